#include "app/valve_entry.h"
#include "app/windows.h"
#include "valve/form_valvula.h"
#include "valve/valve.h"
#include "valve/valve_fields.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

// One control valve sizing by IEC 60534-2-1, and a keystroke in its window until settled.
namespace {

namespace v = vorlo::valvula;

// The standard's example 2 water (choked) through an 80 mm valve between 100 mm pipes: the
// reducers' fixed point, then the Reynolds number at the settled Kv.
v::DatosValvula liquidoConReductores() {
    v::DatosValvula d;
    d.q = 360;
    d.p1 = 6.8;
    d.p2 = 2.2;
    d.densidad = 965.4;
    d.pv = 0.701;
    d.pc = 221.2;
    d.viscosidad = 3.147e-4;
    d.fl = 0.6;
    d.fd = 0.98;
    d.d = 80;
    d.d1 = 100;
    d.d2 = 100;
    return d;
}

// The 1998 edition's example 3: carbon dioxide, not choked, d 50 in an 80 × 100 line.
v::DatosValvula gasConReductores() {
    v::DatosValvula d;
    d.fluido = v::Fluido::Gas;
    d.q = 3800;
    d.p1 = 6.8;
    d.p2 = 3.1;
    d.t = 159.85;
    d.m = 44.01;
    d.gamma = 1.3;
    d.z = 0.988;
    d.viscosidad = 2.119e-5;
    d.fl = 0.85;
    d.fd = 0.42;
    d.xt = 0.6;
    d.d = 50;
    d.d1 = 80;
    d.d2 = 100;
    return d;
}

// An oil at 1 Pa·s through a 25 mm valve: transitional flow, FR solved at the Kv.
v::DatosValvula aceiteViscoso() {
    v::DatosValvula d;
    d.q = 5;
    d.p1 = 5;
    d.p2 = 4;
    d.densidad = 900;
    d.pv = 0.01;
    d.pc = 30;
    d.viscosidad = 1.0;
    d.fl = 0.9;
    d.fd = 0.46;
    d.d = 25;
    d.d1 = 40;
    d.d2 = 40;
    return d;
}

void medir(benchmark::State &state, const v::DatosValvula &d) {
    int pasadas = 0;
    for (auto _ : state) {
        auto r = v::dimensionar(d);
        benchmark::DoNotOptimize(r);
        pasadas = std::get<v::ResultadoValvula>(r).iteraciones;
    }
    state.counters["pasadas"] = pasadas;
}

void BM_ValvulaLiquidoReductores(benchmark::State &state) {
    medir(state, liquidoConReductores());
}
BENCHMARK(BM_ValvulaLiquidoReductores);

void BM_ValvulaGasReductores(benchmark::State &state) {
    medir(state, gasConReductores());
}
BENCHMARK(BM_ValvulaGasReductores);

void BM_ValvulaViscosa(benchmark::State &state) {
    medir(state, aceiteViscoso());
}
BENCHMARK(BM_ValvulaViscosa);

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The window with the liquid with reducers typed in; each iteration types a digit into the flow
// field or takes it back, and processes every event it caused.
void BM_FormValvulaKeystroke(benchmark::State &state) {
    vorlo::abrirValvula();
    auto *w = vorlo::ventanas().existente<vorlo::FormValvula>();
    const std::pair<QString, QString> textos[] = {
        {v::QValv, "360"},          {v::P1Valv, "6,8"},     {v::P2Valv, "2,2"},
        {v::DensidadValv, "965,4"}, {v::PsatValv, "0,701"}, {v::PcValv, "221,2"},
        {v::ViscValv, "0,0003147"}, {v::FLValv, "0,6"},     {v::FdValv, "0,98"},
        {v::DValv, "80"},           {v::D1Valv, "100"},     {v::D2Valv, "100"}};
    for (const auto &[campo, texto] : textos)
        w->escribir(campo, texto);
    auto *caudal = w->findChild<QLineEdit *>(v::QValv);
    caudal->setFocus();
    caudal->end(false);
    asentarEventos();
    bool borrar = false;
    for (auto _ : state) {
        QTest::keyClick(caudal, borrar ? Qt::Key_Backspace : Qt::Key_7);
        borrar = !borrar;
        asentarEventos();
    }
    vorlo::ventanas().cerrarTodas();
}
BENCHMARK(BM_FormValvulaKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
