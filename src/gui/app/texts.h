#pragma once

#include "fields/field_table.h"
#include "fields/language.h"

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace vorlo {

// One text of a window in both languages: the control (by objectName; empty for the window
// itself), which property, the Spanish and the English text.
struct TextoControl {
    enum Propiedad { Texto, Tooltip, Titulo };
    QString control;
    Propiedad propiedad;
    QString espanol;
    QString ingles;
};

// The one language rule of the windows. Idioma is set before any window opens (the start
// screen sets English on first start); should it be unset, texts follow English, the language
// the program starts in.
Lengua lenguaActual();
// Idioma as the calculations take it: "ESPAÑOL" or "INGLÉS", by the rule above.
const QString &idiomaActual();

// The captions a calculator's field table gives the window's labels, headings and options.
QList<TextoControl> textosDeCampos(const TablaCampos &tabla);

// Sets every text of the table in one language. Labels, buttons, menus and menu actions take
// their caption; the window its title.
void aplicarTextos(QWidget *ventana, const QList<TextoControl> &tabla, Lengua lengua);
// A window that loads: its texts in the current language.
void aplicarTextosAlCargar(QWidget *ventana, const QList<TextoControl> &tabla);
// A flag click: the window's texts in `lengua`, which becomes the program's language.
void cambiarIdioma(QWidget *ventana, const QList<TextoControl> &tabla, Lengua lengua);

// The one way the program's language is set: Idioma, then the announcement, so that the windows
// that follow it never miss a change.
void fijarIdioma(Lengua lengua);

// Announces a change of the program's language. The older windows change theirs only by their
// own flags; the newer ones (water and steam, line sizing, report details) follow it at once.
class AvisoIdioma : public QObject {
    Q_OBJECT
  signals:
    void cambiado(Lengua lengua);
};
AvisoIdioma &avisoIdioma();

} // namespace vorlo
