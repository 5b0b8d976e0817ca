#include "app/valve_entry.h"
#include "app/windows.h"
#include "valve/form_valvula.h"

namespace vorlo {

std::optional<caso::Ventana> casoValvula() {
    if (const FormValvula *v = ventanas().existente<FormValvula>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoValvula(const caso::Ventana &v) {
    ventanas().obtener<FormValvula>()->cargarParte(v);
}

void abrirValvula() {
    ventanas().mostrar<FormValvula>();
}

void abrirValvulaDesdeTuberia(const EntregaValvula &e) {
    ventanas().mostrar<FormValvula>()->recibir(e);
}

} // namespace vorlo
