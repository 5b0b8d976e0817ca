#include "app/open_windows.h"
#include "app/windows.h"
#include "fittings/form_accesorios.h"

namespace vorlo {

void abrirAccesorios(const QString &diametro) {
    ventanas().mostrar<FormAccesorios>()->fijarDiametro(diametro);
}

std::optional<informe::DatosAccesorios> accesoriosAbiertos() {
    if (const FormAccesorios *v = ventanas().existente<FormAccesorios>())
        return v->datosInforme();
    return std::nullopt;
}

} // namespace vorlo
