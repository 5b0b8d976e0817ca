#include "app/water_entry.h"
#include "app/case_entry.h"
#include "app/windows.h"
#include "water/form_agua_vapor.h"

namespace vorlo {

std::optional<caso::Ventana> casoAgua() {
    if (const FormAguaVapor *v = ventanas().existente<FormAguaVapor>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoAgua(const caso::Ventana &v) {
    ventanas().obtener<FormAguaVapor>()->cargarParte(v);
}

void abrirAguaVapor() {
    ventanas().mostrar<FormAguaVapor>();
}

} // namespace vorlo
