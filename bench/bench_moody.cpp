// The Moody chart following the pipe window: one new state handed to the open chart, then
// every event it caused (the repaint of the offscreen chart) processed.
#include "app/globals.h"
#include "app/moody_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace vorlo;
namespace t = vorlo::tuberia;

namespace {

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The settled state of the worked example with flow `q`, as the pipe window would hand it over.
EstadoMoody estado(const char *q) {
    CamposMapa c = t::ejemploComoCampos();
    c.escribir(t::Qproceso, QString::fromLatin1(q));
    settle(c, [](CamposTexto &x) {
        CalcularTuberia(x, kEspanol);
        PasoFriccionExacta(x, kEspanol);
    });
    return {c.texto(t::Re), c.texto(t::ffinal), c.texto(t::Rugosidad), c.texto(t::dint),
            c.texto(t::fexacta)};
}

// The two states a keystroke in Qproceso alternates between in the keystroke benchmark:
// 36 and 367 m3/h.
void medir(benchmark::State &state, bool pintar) {
    Idioma = kEspanol;
    const EstadoMoody a = estado("36");
    const EstadoMoody b = estado("367");
    if (a.ffinal.isEmpty() || b.ffinal.isEmpty() || a.re == b.re) {
        state.SkipWithError("the states did not settle");
        return;
    }
    abrirMoody(a);
    asentarEventos();
    bool alterno = false;
    for (auto _ : state) {
        alterno = !alterno;
        actualizarMoody(alterno ? b : a);
        if (pintar)
            asentarEventos();
    }
    ventanas().cerrarTodas();
}

void BM_MoodyUpdate(benchmark::State &state) {
    medir(state, false);
}
BENCHMARK(BM_MoodyUpdate)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_MoodyUpdateRepaint(benchmark::State &state) {
    medir(state, true);
}
BENCHMARK(BM_MoodyUpdateRepaint)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
