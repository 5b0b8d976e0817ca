#include "app/sizing_entry.h"
#include "app/case_entry.h"
#include "app/windows.h"
#include "sizing/form_dimensionado.h"

namespace vorlo {

void abrirDimensionado(const DatosDimensionado &datos) {
    ventanas().mostrar<FormDimensionado>()->tomarDatos(datos);
}

std::optional<caso::Ventana> casoDimensionado() {
    if (const FormDimensionado *v = ventanas().existente<FormDimensionado>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoDimensionado(const caso::Ventana &v) {
    ventanas().obtener<FormDimensionado>()->cargarParte(v);
}

} // namespace vorlo
