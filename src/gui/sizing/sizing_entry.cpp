#include "app/sizing_entry.h"
#include "app/windows.h"
#include "sizing/form_dimensionado.h"

namespace vorlo {

void abrirDimensionado(const DatosDimensionado &datos) {
    ventanas().mostrar<FormDimensionado>()->tomarDatos(datos);
}

} // namespace vorlo
