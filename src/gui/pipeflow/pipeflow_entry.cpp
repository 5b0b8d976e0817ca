#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"
#include "results/results_file.h"

#include <QPointer>

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

namespace {
// The last water and steam hand-over and the pipe window it went to: a new pipe window starts
// with none.
struct EntregaAgua {
    QPointer<FormReynolds> ventana;
    informe::OrigenAgua origen;
};
EntregaAgua &entregaAgua() {
    static EntregaAgua e;
    return e;
}
} // namespace

void entregarAguaVapor(const informe::OrigenAgua &origen) {
    entregarFluido(origen.densidad, origen.viscosidad);
    entregaAgua() = {ventanas().existente<FormReynolds>(), origen};
}

std::optional<informe::OrigenAgua> origenAguaTuberia() {
    const EntregaAgua &e = entregaAgua();
    if (!e.ventana || e.ventana != ventanas().existente<FormReynolds>())
        return std::nullopt;
    return e.origen;
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

std::optional<caso::Ventana> casoTuberia() {
    if (const FormReynolds *v = ventanas().existente<FormReynolds>())
        return caso::parteDe(*v, caso::Tuberia);
    return std::nullopt;
}

void cargarCasoTuberia(const caso::Ventana &v) {
    ventanas().obtener<FormReynolds>()->cargarCaso(v);
}

void reiniciarTuberia() {
    // The design state: liquids, dynamic viscosity, no elevation, the mode the user keeps.
    caso::Ventana inicial;
    inicial.opciones = {
        {tuberia::Option1, true},
        {tuberia::Option3, true},
        {tuberia::CheckExacto, ajustes().valor(claves::ResultadosExactos, false).toBool()}};
    inicial.textos = {{tuberia::Desnivel, QStringLiteral("0")}};
    if (FormReynolds *v = ventanas().existente<FormReynolds>())
        v->cargarCaso(inicial);
}

void retitularTuberia() {
    if (FormReynolds *v = ventanas().existente<FormReynolds>())
        v->actualizarTitulo();
}

void idiomaTuberia(Lengua lengua) {
    FormReynolds *v = ventanas().existente<FormReynolds>();
    if (!v)
        fijarIdioma(lengua);
    else if (lengua == Lengua::Espanol)
        v->Spain_Click();
    else
        v->Picture1_Click();
}

void entregarTuberiaDimensionada(const QString &diametroInterior, const QString &designacion) {
    ventanas().mostrar<FormReynolds>()->tomarTuberiaDimensionada(diametroInterior, designacion);
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
