#include "viscosidad_texts.h"

namespace vorlo {

const QList<TextoControl> &textosViscosidad() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, "VORLO - Viscosidad de Gases", "VORLO - Viscosidad de Gases"},
        {"Label1", T::Texto, "Viscosidad Dinámica:", "Viscosidad Dinámica:"},
        {"Label2", T::Texto, "(Pa·s)", "(Pa·s)"},
        {"Command1", T::Texto, "Aceptar", "Aceptar"},
        {"Cancelar", T::Texto, "Cancelar", "Cancelar"},
    };
    return tabla;
}

} // namespace vorlo
