#include "form_tuberias_texts.h"

namespace vorlo {

const QList<TextoControl> &textosFormTuberias() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, "Tuberías normalizadas", "Standard pipe sizes"},
        {"Label1", T::Texto, "Norma", "Standard"},
        {"Label2", T::Texto, "Diámetro nominal", "Nominal size"},
        {"Label3", T::Texto, "Cédula o serie", "Schedule or series"},
        {"Label4", T::Texto, "Diámetro exterior", "Outside diameter"},
        {"Label5", T::Texto, "Espesor", "Wall thickness"},
        {"Label6", T::Texto, "Diámetro interior", "Inside diameter"},
        {"Cedula", T::Tooltip, "Haga doble click para seleccionar", "Double-click to select"},
        {"Aceptar", T::Texto, "Aceptar", "OK"},
        {"Cancelar", T::Texto, "Cancelar", "Cancel"},
    };
    return tabla;
}

} // namespace vorlo
