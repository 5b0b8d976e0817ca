#include "app/pipes_entry.h"
#include "app/windows.h"
#include "pipes/form_tuberias.h"

namespace vorlo {

void abrirTuberias(AlElegirTuberia alAceptar) {
    ventanas().obtener<FormTuberias>()->fijarAlAceptar(std::move(alAceptar));
    ventanas().mostrar<FormTuberias>();
}

} // namespace vorlo
