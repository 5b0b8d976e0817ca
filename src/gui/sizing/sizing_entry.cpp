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
        return caso::parteDe(*v, caso::Dimensionado);
    return std::nullopt;
}

// The standard first: it sets the schedules the schedule is chosen from; then the inputs.
void cargarCasoDimensionado(const caso::Ventana &v) {
    FormDimensionado *w = ventanas().obtener<FormDimensionado>();
    for (const QString &n : {dimensionado::NormaDim, dimensionado::CedulaDim})
        if (v.textos.contains(n))
            w->escribir(n, v.textos.value(n));
    for (const Campo &c : tablaDimensionado().campos())
        w->escribir(c.nombre, v.textos.value(c.nombre));
}

} // namespace vorlo
