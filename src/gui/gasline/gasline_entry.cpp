#include "app/gasline_entry.h"
#include "app/case_entry.h"
#include "app/windows.h"
#include "gasline/form_linea_gas.h"

namespace vorlo {

std::optional<caso::Ventana> casoLineaGas() {
    if (const FormLineaGas *v = ventanas().existente<FormLineaGas>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoLineaGas(const caso::Ventana &v) {
    ventanas().obtener<FormLineaGas>()->cargarParte(v);
}

void abrirLineaGas(const DatosLineaGas &inicial) {
    ventanas().mostrar<FormLineaGas>()->tomarDatos(inicial);
}

} // namespace vorlo
