#include "app/report_details_entry.h"
#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/windows.h"
#include "reportdetails/form_datos_informe.h"

namespace vorlo {

namespace {
namespace cab = informe::cabecera;

informe::Cabecera &cabecera() {
    static informe::Cabecera c;
    return c;
}

void mostrarEnVentana() {
    if (FormDatosInforme *v = ventanas().existente<FormDatosInforme>())
        v->mostrar(cabecera());
}
} // namespace

void abrirDatosInforme() {
    ventanas().mostrar<FormDatosInforme>();
}

informe::Cabecera cabeceraInforme() {
    return cabecera();
}

void cambiarTextoCabecera(const QString &campo, const QString &texto) {
    if (cabecera().texto(campo) == texto)
        return;
    cabecera().textos.insert(campo, texto);
    if (campo == cab::Preparado)
        ajustes().fijar(claves::Preparado, texto);
    avisarCambioCaso();
}

std::optional<caso::Ventana> casoDatosInforme() {
    if (cabecera().vacia())
        return std::nullopt;
    caso::Ventana v;
    for (const Campo &c : cab::tabla().campos()) {
        // A choice never made is the first, as the window shows it: the file holds a key.
        const QString t = cabecera().texto(c.nombre);
        v.textos.insert(c.nombre,
                        t.isEmpty() && !c.elecciones.isEmpty() ? c.elecciones.first().clave : t);
    }
    return v;
}

void cargarCasoDatosInforme(const caso::Ventana &v) {
    cabecera().textos = v.textos;
    mostrarEnVentana();
}

void reiniciarDatosInforme() {
    cabecera() = {};
    const QString preparado = ajustes().valor(claves::Preparado).toString();
    if (!preparado.isEmpty())
        cabecera().textos.insert(cab::Preparado, preparado);
    mostrarEnVentana();
}

} // namespace vorlo
