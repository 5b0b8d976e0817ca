#include "app/water_entry.h"
#include "app/windows.h"
#include "water/form_agua_vapor.h"

namespace vorlo {

void abrirAguaVapor() {
    ventanas().mostrar<FormAguaVapor>();
}

} // namespace vorlo
