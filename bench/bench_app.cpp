// Whole-program figures: start-up to the start screen shown, CPU used while idle with both
// calculators and the converter open and filled, and peak resident memory with every window
// opened once.
//   vorlo_bench_app startup
//   vorlo_bench_app idle [seconds]
//   vorlo_bench_app windows
#include "app/form1.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace vorlo;

namespace {

double segundosCpu() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long picoKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

FormReynolds *tuberiaLlena() {
    auto *f = ventanas().mostrar<FormReynolds>();
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        f->escribir(t.campo, t.texto);
    return f;
}

Form2 *gasLleno() {
    auto *g = ventanas().mostrar<Form2>();
    for (auto [n, v] : {std::pair{"dref", "1,293"},
                        {"tref", "0"},
                        {"Pproceso", "5"},
                        {"tproceso", "20"},
                        {"T_paraQ", "0"},
                        {"Qnormales", "100"}})
        g->findChild<QLineEdit *>(QString::fromLatin1(n))->setText(QString::fromLatin1(v));
    return g;
}

int inicio(QElapsedTimer &reloj) {
    auto *f1 = ventanas().mostrar<Form1>();
    // The first turn of the event loop after show: the window has been laid out and exposed.
    QTimer::singleShot(0, f1, [&reloj] {
        std::printf("startup_ms %.2f\n", double(reloj.nsecsElapsed()) / 1e6);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

int reposo(double segundos) {
    ventanas().mostrar<Form1>();
    tuberiaLlena();
    gasLleno();
    // The converter, open and filled, from the pipe window's flow button.
    auto *f = ventanas().existente<FormReynolds>();
    QTest::mouseClick(f->findChild<QAbstractButton *>(QStringLiteral("Command10")), Qt::LeftButton);
    QTest::qWait(1000); // let everything settle
    const double antes = segundosCpu();
    QElapsedTimer reloj;
    reloj.start();
    // A plain event loop: QTest::qWait would wake every 10 ms itself.
    QEventLoop bucle;
    QTimer::singleShot(int(segundos * 1000), &bucle, &QEventLoop::quit);
    bucle.exec();
    const double cpu = segundosCpu() - antes;
    const double pared = double(reloj.elapsed()) / 1000;
    std::printf("idle_wall_s %.1f\nidle_cpu_s %.4f\nidle_core_percent %.4f\n", pared, cpu,
                100 * cpu / pared);
    return 0;
}

int todas() {
    ventanas().mostrar<Form1>();
    auto *f = tuberiaLlena();
    gasLleno();
    abrirAccesorios(QStringLiteral("100"));
    abrirMateriales();
    abrirLiquidos();
    abrirViscosidadGases();
    abrirGuardar();
    QTest::mouseClick(f->findChild<QAbstractButton *>(QStringLiteral("Command13")), Qt::LeftButton);
    QTest::qWait(500);
    std::printf("peak_rss_kib %ld\n", picoKiB());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QElapsedTimer reloj;
    reloj.start();
    QApplication app(argc, argv);
    const QByteArray modo = argc > 1 ? QByteArray(argv[1]) : QByteArray("startup");
    if (modo == "idle")
        return reposo(argc > 2 ? std::atof(argv[2]) : 60.0);
    if (modo == "windows")
        return todas();
    return inicio(reloj);
}
