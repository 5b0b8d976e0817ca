#include "ajustes.h"

#include <QSettings>

namespace vorlo {

namespace {

// ~/.config/vorlo/vorlo.ini on Linux: an INI file, whatever the platform's own format.
class AjustesDeUsuario : public Ajustes {
  public:
    QVariant valor(const QString &clave, const QVariant &porDefecto) const override {
        return m_settings.value(clave, porDefecto);
    }
    void fijar(const QString &clave, const QVariant &valor) override {
        m_settings.setValue(clave, valor);
    }

    QString archivo() const { return m_settings.fileName(); }

  private:
    mutable QSettings m_settings{QSettings::IniFormat, QSettings::UserScope,
                                 QStringLiteral("vorlo"), QStringLiteral("vorlo")};
};

AjustesDeUsuario &usuario() {
    static AjustesDeUsuario a;
    return a;
}

Ajustes *g_ajustes = nullptr;

} // namespace

Ajustes &ajustes() {
    if (g_ajustes)
        return *g_ajustes;
    return usuario();
}

QString archivoAjustes() {
    return usuario().archivo();
}

void fijarAjustes(Ajustes *a) {
    g_ajustes = a;
}

} // namespace vorlo
