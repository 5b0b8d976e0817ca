#include "app/open_windows.h"
#include "app/windows.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/pipe_flow.h"
#include "results/results_file.h"

namespace vorlo {

void abrirFormReynolds() {
    ventanas().mostrar<FormReynolds>();
}

void entregarRugosidad(const QString &rugosidad) {
    ventanas().obtener<FormReynolds>()->escribir(tuberia::Rugosidad, rugosidad);
}

void entregarLiquido(const QString &densidad, const QString &viscosidad) {
    FormReynolds *v = ventanas().obtener<FormReynolds>();
    v->escribir(tuberia::dproceso, densidad);
    v->escribir(tuberia::vdinamica, viscosidad);
}

void entregarViscosidadDinamica(const QString &viscosidad) {
    ventanas().obtener<FormReynolds>()->escribir(tuberia::vdinamica, viscosidad);
}

void elegirViscosidadDinamica() {
    ventanas().obtener<FormReynolds>()->Option3_Click();
}

void entregarFluido(const QString &densidad, const QString &viscosidadDinamica) {
    FormReynolds *v = ventanas().mostrar<FormReynolds>();
    // The option first, so that the passes the two writes run already use the dynamic
    // viscosity.
    v->Option3_Click();
    v->escribir(tuberia::dproceso, densidad);
    v->escribir(tuberia::vdinamica, viscosidadDinamica);
}

void entregarKTotal(const QString &ktotal) {
    if (FormReynolds *v = ventanas().existente<FormReynolds>())
        v->recibirKTotal(ktotal);
}

void entregarFlujoGas(const QString &caudal, const QString &densidad) {
    FormReynolds *v = ventanas().mostrar<FormReynolds>();
    for (const QString &n :
         {tuberia::vdinamica, tuberia::Vproceso, tuberia::Re, tuberia::Rugosidad})
        v->escribir(n, QString());
    // Gases mode, with its buttons: the drop button gives way to the gas ones.
    v->Option2_Click();
    v->escribir(tuberia::dproceso, densidad);
    v->escribir(tuberia::Qproceso, caudal);
}

std::optional<resultados::Resultados> estadoTuberia() {
    if (const FormReynolds *v = ventanas().existente<FormReynolds>())
        return resultados::leerDe(*v);
    return std::nullopt;
}

void abrirEnTuberia(const resultados::Resultados &r) {
    ventanas().mostrar<FormReynolds>()->abrirResultados(r);
}

} // namespace vorlo
