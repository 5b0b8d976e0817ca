#pragma once

#include <QColor>

class QWidget;

namespace vorlo {

// Highlight colours of the calculator windows.
inline const QColor kColorEntrada(255, 255, 255);  // an input
inline const QColor kColorCalculable(0, 204, 255); // a field the program can compute
inline const QColor kColorRojo(255, 0, 0);         // an input the field under the mouse needs

// Sets a field's or label's background so that it shows and tests can read it back.
void fijarFondo(QWidget *w, const QColor &color);
QColor fondo(const QWidget *w);
// Sets the text colour of a label.
void fijarColorTexto(QWidget *w, const QColor &color);

} // namespace vorlo
