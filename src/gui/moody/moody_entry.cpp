#include "app/moody_entry.h"
#include "app/windows.h"
#include "moody/form_moody.h"

namespace vorlo {

void abrirMoody(const EstadoMoody &e) {
    FormMoody *v = ventanas().obtener<FormMoody>();
    v->actualizar(e);
    v->show();
    v->raise();
    v->activateWindow();
}

void actualizarMoody(const EstadoMoody &e) {
    if (FormMoody *v = ventanas().existente<FormMoody>())
        v->actualizar(e);
}

} // namespace vorlo
