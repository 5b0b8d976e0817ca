#include "app/line_entry.h"
#include "app/windows.h"
#include "line/form_linea.h"

namespace vorlo {

std::optional<caso::Ventana> casoLinea() {
    if (const FormLinea *v = ventanas().existente<FormLinea>())
        return v->parteCaso();
    return std::nullopt;
}

void cargarCasoLinea(const caso::Ventana &v) {
    ventanas().obtener<FormLinea>()->cargarParte(v);
}

void abrirLinea(const DatosLinea &inicial) {
    ventanas().mostrar<FormLinea>()->tomarDatos(inicial);
}

} // namespace vorlo
