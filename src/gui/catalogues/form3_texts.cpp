#include "form3_texts.h"

namespace vorlo {

const QList<TextoControl> &textosForm3() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, "Selección de Material", "Material Selection"},
        {"List1", T::Tooltip, "Haga doble click para seleccionar",
         "Haga doble click para seleccionar"},
        {"Label1", T::Texto, "Rugosidad", "Rugosidad"},
        {"Label3", T::Texto, "(mm)", "(mm)"},
        {"Command1", T::Texto, "OK", "OK"},
    };
    return tabla;
}

} // namespace vorlo
