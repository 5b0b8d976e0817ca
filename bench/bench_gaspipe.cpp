#include "app/gaspipe_entry.h"
#include "app/windows.h"
#include "gaspipe/form_gasoducto.h"
#include "gaspipe/gas_pipe.h"
#include "gaspipe/gas_pipe_fields.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

// A gas pipeline by each equation, solved for the flow and for P2; the five-row comparison;
// and a keystroke in the window until settled.
namespace {

namespace g = vorlo::gasoducto;

// A transmission line: 300 mm, 50 km, 70 to 50 bar a, SG 0,6, 15 ºC, Z 0,9.
g::Datos linea(g::Ecuacion e, bool caudal) {
    g::Datos d;
    d.ecuacion = e;
    d.sg = 0.6;
    d.tK = 288.15;
    d.z = 0.9;
    d.viscosidad = 1.1e-5;
    d.dint = 0.3;
    d.longitud = 50e3;
    d.rugosidad = 0.05e-3;
    d.p1 = 70e5;
    if (caudal)
        d.p2 = 50e5;
    else
        d.caudal = 28.3; // standard m3/s, about 102 000 Sm3/h
    return d;
}

void BM_Gasoducto(benchmark::State &state) {
    const g::Datos d = linea(g::kEcuaciones[std::size_t(state.range(0))], state.range(1) == 0);
    for (auto _ : state) {
        auto r = g::resolver(d);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(QString::fromLatin1("%1, %2")
                       .arg(g::campos::claveEcuacion(d.ecuacion),
                            d.p2 ? QStringLiteral("flow") : QStringLiteral("P2"))
                       .toStdString());
}
BENCHMARK(BM_Gasoducto)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_GasoductoComparacion(benchmark::State &state) {
    const g::Datos d = linea(g::Ecuacion::General, state.range(0) == 0);
    for (auto _ : state) {
        auto r = g::comparar(d);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_GasoductoComparacion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The window with the line typed in, by the general equation; each iteration types a digit into
// the length or takes it back, and processes every event it caused.
void BM_FormGasoductoKeystroke(benchmark::State &state) {
    namespace c = g::campos;
    vorlo::abrirGasoducto();
    auto *w = vorlo::ventanas().existente<vorlo::FormGasoducto>();
    const std::pair<QString, QString> textos[] = {
        {c::SGGasoducto, "0,6"},        {c::TGasoducto, "15"},  {c::ZGasoducto, "0,9"},
        {c::ViscGasoducto, "0,000011"}, {c::DGasoducto, "300"}, {c::LGasoducto, "50000"},
        {c::RugGasoducto, "0,05"},      {c::P1Gasoducto, "70"}, {c::P2Gasoducto, "50"}};
    for (const auto &[campo, texto] : textos)
        w->escribir(campo, texto);
    auto *longitud = w->findChild<QLineEdit *>(c::LGasoducto);
    longitud->setFocus();
    longitud->end(false);
    asentarEventos();
    bool borrar = false;
    for (auto _ : state) {
        QTest::keyClick(longitud, borrar ? Qt::Key_Backspace : Qt::Key_7);
        borrar = !borrar;
        asentarEventos();
    }
    vorlo::ventanas().cerrarTodas();
}
BENCHMARK(BM_FormGasoductoKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
