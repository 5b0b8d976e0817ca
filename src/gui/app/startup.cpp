#include "startup.h"

#include "app/case_entry.h"
#include "app/form1.h"
#include "app/windows.h"
#include "results/results_file.h"

namespace vorlo {

bool nombraArchivoVorlo(const QString &argumento) {
    return resultados::nombraArchivoAbrible(argumento);
}

void arrancarVentanas(const QString &ruta) {
    // Before any window: the case's parts wait for their windows, the last close asks first.
    vigilarCierres();
    Form1 *inicio = ventanas().mostrar<Form1>();
    if (!ruta.isEmpty())
        abrirRuta(inicio, ruta);
}

} // namespace vorlo
