// Keystroke to settled window: one key typed into a filled calculator window, then every
// event it caused (nested passes, repaints) processed.
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/sizing_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fittings/fittings_fields.h"
#include "fittings/form_accesorios.h"
#include "fittings/k_metodos.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"
#include "sizing/form_dimensionado.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace vorlo;

namespace {

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void teclear(QLineEdit *e, const QString &texto) {
    e->clear();
    QTest::keyClicks(e, texto);
}

// Times keystrokes into a field of a filled window, each until every event it caused was
// processed, then closes the windows.
void medirTeclas(benchmark::State &state, QLineEdit *campo) {
    asentarEventos();
    bool borrar = false;
    for (auto _ : state) {
        // Alternately type a digit and take it back, so every key changes the results.
        QTest::keyClick(campo, borrar ? Qt::Key_Backspace : Qt::Key_7);
        borrar = !borrar;
        asentarEventos();
    }
    ventanas().cerrarTodas();
}

// The pipe window with the worked example; with `moody`, the Moody chart open beside it, so
// that every key also moves the chart's point and repaints it.
void medirTuberia(benchmark::State &state, bool moody) {
    Idioma = kEspanol;
    auto *f = ventanas().mostrar<FormReynolds>();
    auto campo = [f](const char *n) { return f->findChild<QLineEdit *>(n); };
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(f->findChild<QLineEdit *>(t.campo), t.texto);
    f->escribir(tuberia::ktotal, tuberia::kKTotalEjemplo);
    if (moody)
        f->findChild<QPushButton *>("CommandMoody")->click();
    medirTeclas(state, campo("Qproceso"));
}

void BM_FormReynoldsKeystroke(benchmark::State &state) {
    medirTuberia(state, false);
}
BENCHMARK(BM_FormReynoldsKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_FormReynoldsKeystrokeMoody(benchmark::State &state) {
    medirTuberia(state, true);
}
BENCHMARK(BM_FormReynoldsKeystrokeMoody)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The pipe window as above with the fittings window beside it under 2-K, one of each catalogue
// fitting counted. The pipe window's Re is handed to the fittings window at each change, as the
// pipe window will do it, so every key also recomputes the 21 K, the K total and the method's
// label, and hands the total back to the pipe window.
void BM_FormReynoldsKeystrokeAccesorios2K(benchmark::State &state) {
    Idioma = kEspanol;
    auto *f = ventanas().mostrar<FormReynolds>();
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(f->findChild<QLineEdit *>(t.campo), t.texto);
    QObject::connect(f->findChild<QLineEdit *>("Re"), &QLineEdit::textChanged, f,
                     [](const QString &re) { actualizarReynoldsAccesorios(re); });
    f->findChild<QPushButton *>("Command3")->click();
    auto *a = ventanas().existente<FormAccesorios>();
    a->findChild<QComboBox *>("MetodoK")->setCurrentIndex(static_cast<int>(MetodoK::DosK));
    for (int fila = 0; fila < accesorios::kFilasTabla; ++fila)
        teclear(a->findChild<QLineEdit *>(accesorios::Naccesorios(fila)), "1");
    medirTeclas(state, f->findChild<QLineEdit *>("Qproceso"));
    MetodoAccesorios = MetodoK::Tabla;
}
BENCHMARK(BM_FormReynoldsKeystrokeAccesorios2K)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_Form2Keystroke(benchmark::State &state) {
    Idioma = kEspanol;
    auto *g = ventanas().mostrar<Form2>();
    auto campo = [g](const char *n) { return g->findChild<QLineEdit *>(n); };
    teclear(campo("dref"), "1,293");
    teclear(campo("tref"), "0");
    teclear(campo("Pproceso"), "5");
    teclear(campo("tproceso"), "20");
    teclear(campo("T_paraQ"), "0");
    teclear(campo("Qnormales"), "100");
    medirTeclas(state, campo("Qnormales"));
}
BENCHMARK(BM_Form2Keystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The gas line with the exact Colebrook f (not given), so every key runs the friction factor;
// solving for the flow also runs the flow -> Re -> f iteration. Keys go into `campo`.
void medirLineaGas(benchmark::State &state, bool calcularP2, const char *masico,
                   const char *campo) {
    Idioma = kEspanol;
    auto *v = ventanas().mostrar<FormLineaGas>();
    auto buscar = [v](const char *n) { return v->findChild<QLineEdit *>(n); };
    if (!calcularP2)
        v->findChild<QRadioButton *>("OpcionMasico")->click();
    teclear(buscar("P1Linea"), "10");
    teclear(buscar("Densidad1"), "11,3");
    teclear(buscar("DLinea"), "500");
    teclear(buscar("RugLinea"), "0,05");
    teclear(buscar("ViscLinea"), "0,000011");
    teclear(buscar("LLinea"), "1000");
    if (calcularP2)
        teclear(buscar("MasicoLinea"), masico);
    else
        teclear(buscar("P2Linea"), "9");
    medirTeclas(state, buscar(campo));
}

// Diameter 500 <-> 5007 mm: every result changes, the note stays empty.
void BM_FormLineaGasKeystrokeP2(benchmark::State &state) {
    medirLineaGas(state, true, "100000", "DLinea");
}
BENCHMARK(BM_FormLineaGasKeystrokeP2)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_FormLineaGasKeystrokeFlow(benchmark::State &state) {
    medirLineaGas(state, false, "", "DLinea");
}
BENCHMARK(BM_FormLineaGasKeystrokeFlow)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The worst case: length 1000 <-> 10007 m chokes and frees the line at every key, so the red
// note appears and goes (the word-wrapped note relays the window out).
void BM_FormLineaGasKeystrokeChoking(benchmark::State &state) {
    medirLineaGas(state, true, "500000", "LLinea");
}
BENCHMARK(BM_FormLineaGasKeystrokeChoking)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// Line sizing of the worked example's water within 2 m/s and 0,5 bar/100 m, keys into the flow
// (36 <-> 367 m3/h): every number of the Sch 40 table (26 rows, 14 in sight) changes at each
// key, and the pick moves between 3 1/2" and 12".
void BM_FormDimensionadoKeystroke(benchmark::State &state) {
    Idioma = kEspanol;
    abrirDimensionado({"36", "998", "0,001", "0,05"});
    auto *v = ventanas().existente<FormDimensionado>();
    auto campo = [v](const char *n) { return v->findChild<QLineEdit *>(n); };
    teclear(campo("VmaxDim"), "2");
    teclear(campo("DPmaxDim"), "0,5");
    medirTeclas(state, campo("QDim"));
}
BENCHMARK(BM_FormDimensionadoKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
