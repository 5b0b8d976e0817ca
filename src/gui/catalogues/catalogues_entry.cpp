#include "app/hijos.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "catalogues/form3.h"
#include "catalogues/form4.h"
#include "catalogues/viscosidad.h"

namespace vorlo {

void abrirLiquidos() {
    // The catalogue holds no reference conditions: their rows stay out of sight.
    fijarVisibles(ventanas().obtener<Form4>(),
                  {QStringLiteral("Label5"), QStringLiteral("Label4"), QStringLiteral("Label7"),
                   QStringLiteral("Label8"), QStringLiteral("Label9"), QStringLiteral("Temp"),
                   QStringLiteral("Pres"), QStringLiteral("Compres")},
                  false);
    ventanas().mostrar<Form4>();
}

void abrirViscosidadGases() {
    ventanas().mostrar<Viscosidad>();
}

void abrirMateriales() {
    ventanas().mostrar<Form3>();
}

} // namespace vorlo
