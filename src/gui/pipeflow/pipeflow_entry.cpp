#include "app/open_windows.h"
#include "app/windows.h"
#include "pipeflow/form_reynolds.h"

namespace vorlo {

void abrirFormReynolds() {
    ventanas().mostrar<FormReynolds>();
}

} // namespace vorlo
