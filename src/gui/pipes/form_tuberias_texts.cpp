#include "form_tuberias_texts.h"

#include "pipes/pipe_sizes.h"

namespace vorlo {

const QList<TextoControl> &textosFormTuberias() {
    using T = TextoControl;
    namespace r = rotulosTuberia;
    const auto rotulo = [](const char *control, const TextoBilingue &t) {
        return TextoControl{QString::fromLatin1(control), T::Texto, t.espanol, t.ingles};
    };
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, "Tuberías normalizadas", "Standard pipe sizes"},
        rotulo("Label1", r::Norma),
        rotulo("Label2", r::Nominal),
        rotulo("Label3", r::Cedula),
        rotulo("Label4", r::Exterior),
        rotulo("Label5", r::Espesor),
        rotulo("Label6", r::Interior),
        {"Cedula", T::Tooltip, "Haga doble click para seleccionar", "Double-click to select"},
        {"Aceptar", T::Texto, "Aceptar", "OK"},
        {"Cancelar", T::Texto, "Cancelar", "Cancel"},
    };
    return tabla;
}

} // namespace vorlo
