#include "app/gaspipe_entry.h"
#include "app/windows.h"
#include "gaspipe/form_gasoducto.h"

namespace vorlo {

std::optional<caso::Ventana> casoGasoducto() {
    if (const FormGasoducto *v = ventanas().existente<FormGasoducto>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoGasoducto(const caso::Ventana &v) {
    ventanas().obtener<FormGasoducto>()->cargarParte(v);
}

void abrirGasoducto() {
    ventanas().mostrar<FormGasoducto>();
}

} // namespace vorlo
