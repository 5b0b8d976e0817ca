// Keystroke to settled window: one key typed into a filled calculator window, then every
// event it caused (nested passes, repaints) processed.
#include "app/globals.h"
#include "app/windows.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace vorlo;

namespace {

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void teclear(QLineEdit *e, const char *texto) {
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

void BM_FormReynoldsKeystroke(benchmark::State &state) {
    Idioma = kEspanol;
    auto *f = ventanas().mostrar<FormReynolds>();
    auto campo = [f](const char *n) { return f->findChild<QLineEdit *>(n); };
    teclear(campo("Qproceso"), "36");
    teclear(campo("dproceso"), "998");
    teclear(campo("vdinamica"), "0,001");
    teclear(campo("dint"), "100");
    teclear(campo("Rugosidad"), "0,05");
    teclear(campo("L"), "100");
    teclear(campo("Desnivel"), "5");
    f->escribir(QStringLiteral("ktotal"), QStringLiteral("2"));
    medirTeclas(state, campo("Qproceso"));
}
BENCHMARK(BM_FormReynoldsKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

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

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
