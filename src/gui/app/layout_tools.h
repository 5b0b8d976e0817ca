#pragma once

#include "app/texts.h"

#include <QFont>
#include <QList>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace vorlo {

// Width that a label needs for the widest of its own text and its texts in `tabla`, in either
// language.
int anchoEnIdiomas(const QLabel *etiqueta, const QList<TextoControl> &tabla);

// Gives column `columna` of every grid the width of the widest label standing alone in that
// column in any of them, in either language: the sections of a window then line up, and a
// language switch does not move the fields.
void igualarColumna(const QList<QGridLayout *> &rejillas, int columna,
                    const QList<TextoControl> &tabla);

// A window whose layout holds word-wrapped texts keeps a minimum height that fits them at its
// narrowest, also after rows are shown or texts change: Qt's own minimum leaves them out and
// would squeeze the fields instead.
void alturaMinimaConTextos(QWidget *ventana);

// After a language switch a shown window takes the size a fresh open in that language would
// give it, growing or shrinking, without moving: longer texts must not wrap out of sight,
// shorter ones must not leave gaps. A maximized or full-screen window keeps its size.
void ajustarAlContenido(QWidget *ventana);

// A row of a calculator's field table in a grid: the caption (named after the row's label) in
// column 0 and its text box (named after the field, `ancho` wide) in column 1; the caller adds
// the unit in column 2. Returns the text box.
QLineEdit *filaDeCampo(QWidget *ventana, QGridLayout *rejilla, const Campo &campo, int ancho);

// `f` in bold and, with `puntos` above 0, at that size: the titles and picks of the newer windows.
QFont negrita(QFont f, int puntos = 0);

// A picture button has no caption: its accessible name follows its tooltip, also when a
// language switch changes the tooltip.
void nombrarComoTooltip(QWidget *boton);

} // namespace vorlo
