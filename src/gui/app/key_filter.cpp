#include "key_filter.h"

#include "fields/numbers.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vorlo {

FiltroTeclas::FiltroTeclas(Regla regla, QObject *parent)
    : QObject(parent), m_regla(std::move(regla)) {}

void FiltroTeclas::instalar(QLineEdit *campo) {
    campo->installEventFilter(this);
}

FiltroTeclas::Regla FiltroTeclas::reglaNumerica() {
    return &filtrarTecla;
}

FiltroTeclas::Regla FiltroTeclas::reglaEnteros() {
    return [](QChar c) -> std::optional<QChar> {
        if ((c >= u'0' && c <= u'9') || c.unicode() == kRetroceso)
            return c;
        return std::nullopt;
    };
}

bool FiltroTeclas::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() != QEvent::KeyPress)
        return false;
    auto *tecla = static_cast<QKeyEvent *>(ev);
    // Tab moves the focus on to the next control: a key of the window, not a character.
    if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab)
        return false;
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString texto = tecla->text();
    if (texto.size() != 1)
        return false;
    const QChar c = texto.at(0);
    // Delete is a key, not a character.
    if (c.unicode() == 0x7f)
        return false;
    const auto resultado = m_regla(c);
    if (!resultado)
        return true;
    if (*resultado != c) {
        if (auto *campo = qobject_cast<QLineEdit *>(obj)) {
            if (!campo->isReadOnly())
                campo->insert(QString(*resultado));
            return true;
        }
    }
    return false;
}

} // namespace vorlo
