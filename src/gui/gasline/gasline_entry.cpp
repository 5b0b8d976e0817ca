#include "app/gasline_entry.h"
#include "app/windows.h"
#include "gasline/form_linea_gas.h"

namespace vorlo {

void abrirLineaGas(const DatosLineaGas &inicial) {
    ventanas().mostrar<FormLineaGas>()->tomarDatos(inicial);
}

} // namespace vorlo
