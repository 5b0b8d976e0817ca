// Reports and the case commands: the PDF of the worked example drawn in the process (warm), the
// CSV, the case opened as the pipe window opens it, and `vorlo calc` / `vorlo report` as whole
// processes, from start to exit (cold: a new process each time, as a script over a folder runs).
// The PDF is the calculation note: title block, tables, method and the Moody chart as vectors.
#include "pipeflow/ejemplo.h"
#include "report/report.h"
#include "report/report_formats.h"
#include "report/report_pdf.h"
#include "results/results_file.h"
#include "results/window_emulation.h"

#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vorlo;

extern char **environ;

namespace {

// The worked example's inputs as the results file holds them.
// Made on first use: the core's own tables are initialised by then, whatever the order of the
// static objects of the program and its libraries.
const QByteArray &ejemploVrq() {
    static const QByteArray b =
        resultados::contenido(resultados::leerDe(tuberia::ejemploComoCampos()));
    return b;
}

QTemporaryDir *g_dir = nullptr;

QString archivoEjemplo() {
    return g_dir->filePath(QStringLiteral("ejemplo.vrq"));
}

informe::Informe informeEjemplo() {
    resultados::VentanaTuberiaSimulada v(QStringLiteral("INGLÉS"));
    v.abrir(std::get<resultados::Resultados>(resultados::interpretar(ejemploVrq())));
    return informe::informeTuberia(v, QStringLiteral("INGLÉS"), QDateTime::currentDateTime());
}

// Runs the program once with its output thrown away; the exit code.
int ejecutar(const std::vector<std::string> &argumentos) {
    std::vector<char *> argv;
    for (const std::string &a : argumentos)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int e = posix_spawn(&pid, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (e != 0)
        return -1;
    int estado = 0;
    waitpid(pid, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

void BM_AbrirCaso(benchmark::State &state) {
    const auto r = std::get<resultados::Resultados>(resultados::interpretar(ejemploVrq()));
    for (auto _ : state) {
        resultados::VentanaTuberiaSimulada v(QStringLiteral("INGLÉS"));
        v.abrir(r);
        benchmark::DoNotOptimize(v.texto(QStringLiteral("DPbarTotal")));
    }
}
BENCHMARK(BM_AbrirCaso);

void BM_InformeCsv(benchmark::State &state) {
    const informe::Informe inf = informeEjemplo();
    for (auto _ : state)
        benchmark::DoNotOptimize(informe::csv(inf));
}
BENCHMARK(BM_InformeCsv);

void BM_InformePdf(benchmark::State &state) {
    const informe::Informe inf = informeEjemplo();
    for (auto _ : state)
        benchmark::DoNotOptimize(informe::informePdf(inf));
}
BENCHMARK(BM_InformePdf)->Unit(benchmark::kMillisecond);

// The same pages without the chart: what the chart costs.
void BM_InformePdfSinGrafico(benchmark::State &state) {
    informe::Informe inf = informeEjemplo();
    inf.grafico.reset();
    for (auto _ : state)
        benchmark::DoNotOptimize(informe::informePdf(inf));
}
BENCHMARK(BM_InformePdfSinGrafico)->Unit(benchmark::kMillisecond);

// The whole note: the model with its method, header, fittings and water and steam state, then
// its PDF with the chart.
void BM_NotaCompleta(benchmark::State &state) {
    resultados::VentanaTuberiaSimulada v(QStringLiteral("INGLÉS"));
    v.abrir(std::get<resultados::Resultados>(resultados::interpretar(ejemploVrq())));
    informe::Contexto contexto;
    contexto.cabecera.textos = {{QStringLiteral("Proyecto"), QStringLiteral("Planta Norte")},
                                {QStringLiteral("Linea"), QStringLiteral("4\"-W-1001")},
                                {QStringLiteral("Revision"), QStringLiteral("B")}};
    contexto.ventanas.insert(vorlo::caso::Agua, {{},
                                                 {{QStringLiteral("TAgua"), QStringLiteral("20")},
                                                  {QStringLiteral("PAgua"), QStringLiteral("5")}}});
    for (auto _ : state) {
        const informe::Informe inf = informe::informeTuberia(
            v, QStringLiteral("INGLÉS"), QDateTime::currentDateTime(), contexto);
        benchmark::DoNotOptimize(informe::informePdf(inf));
    }
}
BENCHMARK(BM_NotaCompleta)->Unit(benchmark::kMillisecond);

void BM_ProcesoCalc(benchmark::State &state) {
    const std::vector<std::string> a = {VORLO_BINARIO, "calc", archivoEjemplo().toStdString()};
    for (auto _ : state)
        if (ejecutar(a) != 0)
            state.SkipWithError("vorlo calc failed");
}
BENCHMARK(BM_ProcesoCalc)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProcesoReportPdf(benchmark::State &state) {
    const std::vector<std::string> a = {VORLO_BINARIO, "report", archivoEjemplo().toStdString(),
                                        "-o",
                                        g_dir->filePath(QStringLiteral("r.pdf")).toStdString()};
    for (auto _ : state)
        if (ejecutar(a) != 0)
            state.SkipWithError("vorlo report failed");
}
BENCHMARK(BM_ProcesoReportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The note's Moody chart is a graphics widget, as in `vorlo report`.
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    const QByteArray &ejemplo = ejemploVrq();
    FILE *f = std::fopen(archivoEjemplo().toLocal8Bit().constData(), "wb");
    if (!f ||
        std::fwrite(ejemplo.constData(), 1, size_t(ejemplo.size()), f) != size_t(ejemplo.size()))
        return 1;
    std::fclose(f);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
