#include "app/case_entry.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "fittings/fittings_fields.h"
#include "fittings/form_accesorios.h"
#include "fittings/k_metodos.h"
#include "pipeflow/pipe_fields.h"
#include "report/report_windows.h"
#include "results/results_file.h"

namespace vorlo {

void abrirAccesorios(const QString &diametro) {
    FormAccesorios *v = ventanas().mostrar<FormAccesorios>();
    // The Reynolds number first: a new diameter then fills with the one it belongs to.
    v->tomarReynoldsDeTuberia();
    v->fijarDiametro(diametro);
}

void actualizarReynoldsAccesorios(const QString &re) {
    FormAccesorios *v = ventanas().existente<FormAccesorios>();
    if (!v)
        return;
    v->fijarReynolds(re);
    // A new Reynolds number comes with the pipe's new diameter, which the list follows.
    if (const auto tuberia = estadoTuberia())
        v->seguirDiametroTuberia(
            tuberia->textos[resultados::nombresCampos().indexOf(tuberia::dint)]);
}

std::optional<informe::DatosAccesorios> accesoriosAbiertos() {
    if (const FormAccesorios *v = ventanas().existente<FormAccesorios>())
        return v->datosInforme();
    // A case's fittings not shown yet: the note puts them beside the pipe as `vorlo report`
    // does, so that the note is the same however it is made.
    const caso::Caso c = casoActual();
    const auto tuberia = estadoTuberia();
    if (!tuberia || !c.ventanas.contains(caso::Accesorios))
        return std::nullopt;
    const auto texto = [&tuberia](const QString &n) {
        return tuberia->textos[resultados::nombresCampos().indexOf(n)];
    };
    return informe::accesoriosDeCaso(c.ventanas.value(caso::Accesorios), texto(tuberia::dint),
                                     texto(tuberia::Re));
}

std::optional<caso::Ventana> casoAccesorios() {
    const FormAccesorios *v = ventanas().existente<FormAccesorios>();
    if (!v)
        return std::nullopt;
    caso::Ventana r;
    r.textos.insert(accesorios::MetodoK, claveMetodoK(v->metodo()));
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        r.textos.insert(accesorios::Naccesorios(fila), v->unidades(fila));
        r.textos.insert(accesorios::k(fila), v->k(fila));
    }
    return r;
}

// The counts and the K values as saved, on the K values the pipe's diameter gives (a K that
// differs was typed over the table's).
void cargarCasoAccesorios(const caso::Ventana &caso) {
    FormAccesorios *v = ventanas().obtener<FormAccesorios>();
    // The case's pipe keeps the K total it was saved with.
    v->sinPisarTotalAjeno([v, &caso] {
        if (const auto tuberia = estadoTuberia())
            v->fijarDiametro(tuberia->textos[resultados::nombresCampos().indexOf(tuberia::dint)]);
        v->fijarMetodo(
            metodoKDeClave(caso.textos.value(accesorios::MetodoK)).value_or(MetodoK::Tabla));
        for (int fila = 0; fila < accesorios::kFilas; ++fila) {
            const QString k = caso.textos.value(accesorios::k(fila));
            if (v->k(fila) != k)
                v->escribirK(fila, k);
            v->escribirUnidades(fila, caso.textos.value(accesorios::Naccesorios(fila)));
        }
        v->CalcularKTotal();
    });
}

} // namespace vorlo
