#include "app/water_entry.h"
#include "app/case_entry.h"
#include "app/windows.h"
#include "water/form_agua_vapor.h"

namespace vorlo {

std::optional<caso::Ventana> casoAgua() {
    if (const FormAguaVapor *v = ventanas().existente<FormAguaVapor>())
        return caso::parteDe(*v, caso::Agua);
    return std::nullopt;
}

void cargarCasoAgua(const caso::Ventana &v) {
    FormAguaVapor *w = ventanas().obtener<FormAguaVapor>();
    for (const QString &n : caso::esquema(caso::Agua)->textos.keys())
        w->escribir(n, v.textos.value(n));
}

void abrirAguaVapor() {
    ventanas().mostrar<FormAguaVapor>();
}

} // namespace vorlo
