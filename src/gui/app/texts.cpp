#include "texts.h"

#include "app/globals.h"
#include "fields/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace vorlo {

namespace {

void fijarTexto(QObject *o, const QString &t) {
    if (auto *a = qobject_cast<QAction *>(o))
        a->setText(t);
    else if (auto *m = qobject_cast<QMenu *>(o))
        m->setTitle(t);
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->setText(t);
    else if (auto *l = qobject_cast<QLabel *>(o))
        l->setText(t);
    else if (auto *e = qobject_cast<QLineEdit *>(o))
        e->setText(t);
}

void fijarTooltip(QObject *o, const QString &t) {
    if (auto *a = qobject_cast<QAction *>(o))
        a->setToolTip(t);
    else if (auto *w = qobject_cast<QWidget *>(o))
        w->setToolTip(t);
}

} // namespace

Lengua lenguaActual() {
    return lenguaDe(Idioma);
}

const QString &idiomaActual() {
    return idiomaDe(lenguaActual());
}

QList<TextoControl> textosDeCampos(const TablaCampos &tabla) {
    QList<TextoControl> l;
    for (const RotuloVentana &r : tabla.rotulosVentana())
        l.append({r.control, TextoControl::Texto, r.texto.espanol, r.texto.ingles});
    return l;
}

void aplicarTextosAlCargar(QWidget *ventana, const QList<TextoControl> &tabla) {
    aplicarTextos(ventana, tabla, lenguaActual());
}

void cambiarIdioma(QWidget *ventana, const QList<TextoControl> &tabla, Lengua lengua) {
    aplicarTextos(ventana, tabla, lengua);
    fijarIdioma(lengua);
}

void fijarIdioma(Lengua lengua) {
    Idioma = idiomaDe(lengua);
    emit avisoIdioma().cambiado(lengua);
}

AvisoIdioma &avisoIdioma() {
    static AvisoIdioma aviso;
    return aviso;
}

void aplicarTextos(QWidget *ventana, const QList<TextoControl> &tabla, Lengua lengua) {
    for (const TextoControl &t : tabla) {
        const QString texto = TextoBilingue{t.espanol, t.ingles}.en(lengua);
        QObject *o = t.control.isEmpty() ? ventana : ventana->findChild<QObject *>(t.control);
        // A table naming a control the window lacks is a fault in the table.
        Q_ASSERT_X(o, "aplicarTextos", qPrintable(t.control));
        if (!o)
            continue;
        switch (t.propiedad) {
        case TextoControl::Titulo:
            if (auto *w = qobject_cast<QWidget *>(o))
                w->setWindowTitle(texto);
            break;
        case TextoControl::Tooltip:
            fijarTooltip(o, texto);
            break;
        case TextoControl::Texto:
            fijarTexto(o, texto);
            break;
        }
    }
}

} // namespace vorlo
