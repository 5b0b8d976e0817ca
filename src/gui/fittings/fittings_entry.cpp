#include "app/open_windows.h"
#include "app/windows.h"
#include "fittings/form_accesorios.h"

namespace vorlo {

void abrirAccesorios(const QString &diametro) {
    FormAccesorios *v = ventanas().mostrar<FormAccesorios>();
    // The Reynolds number first: a new diameter then fills with the one it belongs to.
    v->tomarReynoldsDeTuberia();
    v->fijarDiametro(diametro);
}

void actualizarReynoldsAccesorios(const QString &re) {
    if (FormAccesorios *v = ventanas().existente<FormAccesorios>())
        v->fijarReynolds(re);
}

std::optional<informe::DatosAccesorios> accesoriosAbiertos() {
    if (const FormAccesorios *v = ventanas().existente<FormAccesorios>())
        return v->datosInforme();
    return std::nullopt;
}

} // namespace vorlo
