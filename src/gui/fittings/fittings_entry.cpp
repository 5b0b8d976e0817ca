#include "app/open_windows.h"
#include "app/windows.h"
#include "fittings/form_accesorios.h"

namespace vorlo {

void abrirAccesorios(const QString &diametro) {
    ventanas().mostrar<FormAccesorios>()->fijarDiametro(diametro);
}

} // namespace vorlo
