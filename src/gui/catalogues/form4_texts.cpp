#include "form4_texts.h"

namespace vorlo {

const QList<TextoControl> &textosForm4() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, "Vorlo - Selección de Fluido", "Vorlo - Fluid Selection"},
        {"Label1", T::Texto, "Viscosidad Dinámica", "Dynamic Viscosity"},
        {"Ru", T::Texto, "Densidad", "Density"},
        {"Label2", T::Texto, "(Pa·s)", "(Pa·s)"},
        {"Label3", T::Texto, "(Kg/m3)", "(Kg/m3)"},
        {"Command1", T::Texto, "Aceptar", "OK"},
        {"Cancelar", T::Texto, "Cancelar / Introducir Manualmente", "Cancel / Enter manually"},
        {"Label5", T::Texto, "Temperatura Ref.:", "Temperatura Ref.:"},
        {"Label4", T::Texto, "(ºC)", "(ºC)"},
        {"Label8", T::Texto, "Presión Ref.:", "Presión Ref.:"},
        {"Label7", T::Texto, "(bar a)", "(bar a)"},
        {"Label9", T::Texto, "Compresibilidad:", "Compresibilidad:"},
    };
    return tabla;
}

} // namespace vorlo
