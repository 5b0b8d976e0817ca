#include "colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace vorlo {

namespace {
QPalette::ColorRole rolFondo(const QWidget *w) {
    return qobject_cast<const QLineEdit *>(w) ? QPalette::Base : QPalette::Window;
}
} // namespace

void fijarFondo(QWidget *w, const QColor &color) {
    const QPalette::ColorRole rol = rolFondo(w);
    if (w->palette().color(rol) == color)
        return;
    QPalette p = w->palette();
    p.setColor(rol, color);
    if (rol == QPalette::Base)
        p.setColor(QPalette::Disabled, QPalette::Base, color);
    w->setPalette(p);
    if (rol == QPalette::Window)
        w->setAutoFillBackground(true);
}

QColor fondo(const QWidget *w) {
    return w->palette().color(rolFondo(w));
}

void fijarColorTexto(QWidget *w, const QColor &color) {
    QPalette p = w->palette();
    if (p.color(QPalette::WindowText) == color)
        return;
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

} // namespace vorlo
