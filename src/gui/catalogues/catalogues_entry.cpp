#include "app/open_windows.h"
#include "app/windows.h"
#include "catalogues/form3.h"
#include "catalogues/form4.h"
#include "catalogues/viscosidad.h"

namespace vorlo {

void abrirLiquidos() {
    // The catalogue holds no reference conditions: their rows stay out of sight.
    Form4 *f = ventanas().obtener<Form4>();
    for (const char *n :
         {"Label5", "Label4", "Label7", "Label8", "Label9", "Temp", "Pres", "Compres"}) {
        if (auto *w = f->findChild<QWidget *>(QLatin1String(n)))
            w->hide();
    }
    ventanas().mostrar<Form4>();
}

void abrirViscosidadGases() {
    ventanas().mostrar<Viscosidad>();
}

void abrirMateriales() {
    ventanas().mostrar<Form3>();
}

} // namespace vorlo
