#include "app/open_windows.h"
#include "app/windows.h"
#include "results/form_guardar.h"

namespace vorlo {

namespace {

// One results window exists; asked for in the other mode, it loads afresh in that mode.
void mostrarEnModo(FormGuardar::Modo modo) {
    if (FormGuardar *v = ventanas().existente<FormGuardar>(); v && v->modo() != modo)
        delete v;
    const bool nueva = !ventanas().existente<FormGuardar>();
    FormGuardar *v = ventanas().obtener<FormGuardar>();
    if (nueva)
        v->fijarModo(modo);
    v->show();
    v->raise();
    v->activateWindow();
}

} // namespace

void abrirGuardar() {
    mostrarEnModo(FormGuardar::Modo::Guardar);
}

void abrirArchivo() {
    mostrarEnModo(FormGuardar::Modo::Abrir);
}

} // namespace vorlo
