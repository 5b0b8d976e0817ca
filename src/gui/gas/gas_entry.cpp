#include "app/open_windows.h"
#include "app/windows.h"
#include "gas/form2.h"

namespace vorlo {

void abrirForm2() {
    ventanas().mostrar<Form2>();
}

// Loads the window without showing it when needed; the write recalculates like any change.
void escribirEnForm2(const QString &campo, const QString &texto) {
    ventanas().obtener<Form2>()->escribir(campo, texto);
}

} // namespace vorlo
