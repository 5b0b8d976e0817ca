#pragma once

#include <QList>
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

enum class Lengua { Espanol, Ingles };

// Sets every text of the table in one language. Labels, buttons, menus and menu actions take
// their caption; the window its title.
void aplicarTextos(QWidget *ventana, const QList<TextoControl> &tabla, Lengua lengua);

} // namespace vorlo
