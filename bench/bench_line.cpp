// The line and pump calculator: a line of 20 segments with a pump solved with its 61-point
// system curve, the flow between two pressures solved, and one keystroke into the window (a
// pump line with its curve shown) until every event it caused was processed.
#include "app/globals.h"
#include "app/line_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "line/form_linea.h"
#include "line/line.h"
#include "line/line_fields.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace vorlo;

namespace {

// Water through 20 segments of four sizes, each with its own length, rise, fittings and some
// equipment; the pump after the fifth.
linea::Datos lineaDeVeinte() {
    linea::Datos d;
    d.q = 80;
    d.densidad = 998.2;
    d.viscosidad = 1.002e-3;
    d.psat = 0.0234;
    d.pInicio = 1.5;
    d.pFin = 6;
    d.bombaTras = 5;
    d.eficiencia = 0.72;
    const double diametros[] = {154.05, 128.19, 102.26, 77.92};
    for (int i = 0; i < 20; ++i)
        d.tramos.append({diametros[i % 4], 10.0 + 3 * i, i % 3 == 0 ? 2.0 : -0.5, 0.045,
                         0.5 + 0.25 * (i % 5), i % 7 == 0 ? 0.2 : 0.0});
    return d;
}

void BM_LineaVeinteTramosConCurva(benchmark::State &state) {
    const linea::Datos d = lineaDeVeinte();
    for (auto _ : state) {
        linea::Resultado r = linea::calcular(d);
        QList<linea::PuntoCurva> c = linea::curvaSistema(d, 60);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_LineaVeinteTramosConCurva);

// The same line with every segment a pipe of its own: no friction factor is shared, the worst
// case (1 281 Colebrook roots).
void BM_LineaVeinteTuberiasDistintas(benchmark::State &state) {
    linea::Datos d = lineaDeVeinte();
    for (int i = 0; i < 20; ++i)
        d.tramos[i].dintMm += 0.01 * i;
    for (auto _ : state) {
        linea::Resultado r = linea::calcular(d);
        QList<linea::PuntoCurva> c = linea::curvaSistema(d, 60);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_LineaVeinteTuberiasDistintas);

void BM_LineaCaudalEntreDosPresiones(benchmark::State &state) {
    linea::Datos d = lineaDeVeinte();
    d.q.reset();
    d.bombaTras.reset();
    d.pInicio = 12;
    d.pFin = 1.5;
    for (auto _ : state) {
        linea::Resultado r = linea::calcular(d);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_LineaCaudalEntreDosPresiones);

void asentarEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The three-segment pump line of the tests, its pump curve and chart shown; each key changes the
// end pressure and so every result, the segment table and both curves.
void BM_TeclaFormLinea(benchmark::State &state) {
    Idioma = kIngles;
    abrirLinea({QStringLiteral("50"), QStringLiteral("998,2"), QStringLiteral("0,001002"),
                QStringLiteral("102,26"), QStringLiteral("5"), QStringLiteral("-2"),
                QStringLiteral("0,045"), QStringLiteral("1,3")});
    auto *v = ventanas().existente<FormLinea>();
    v->escribir(linea::PsatLinea, QStringLiteral("0,02339"));
    v->escribir(linea::PInicio, QStringLiteral("1,01325"));
    v->escribir(linea::CurvaBomba, QStringLiteral("0:80; 30:76; 60:66; 90:50"));
    v->fijarTramos({{"102,26", "5", "-2", "0,045", "1,3", ""},
                    {"77,92", "60", "12", "0,045", "4,2", "0,3"},
                    {"77,92", "20", "3", "0,045", "2", "0,5"}});
    v->escribir(linea::BombaTras, QStringLiteral("1"));
    auto *campo = v->findChild<QLineEdit *>(linea::PFin);
    campo->setText(QStringLiteral("4"));
    asentarEventos();
    bool borrar = false;
    for (auto _ : state) {
        QTest::keyClick(campo, borrar ? Qt::Key_Backspace : Qt::Key_5);
        borrar = !borrar;
        asentarEventos();
    }
    ventanas().cerrarTodas();
}
BENCHMARK(BM_TeclaFormLinea)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
