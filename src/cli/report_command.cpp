#include "case_commands.h"
#include "case_loading.h"
#include "report/report.h"
#include "report/report_actions.h"

#include <QDateTime>
#include <QTextStream>

namespace vorlo::cli {

namespace {

const QString kUso = QStringLiteral(
    "Usage: vorlo report CASE -o OUT.pdf|OUT.csv [--lang es|en] [--exact]\n"
    "Opens the results file CASE as File > Open does, settles the pipe flow calculation as the\n"
    "window does, and writes its report: a PDF calculation note or a CSV table, chosen by the\n"
    "extension of OUT. --lang chooses the language of the report (default: en). --exact\n"
    "computes every result from the exact Colebrook friction factor and unrounded values.\n"
    "Exit codes: 0 done, 2 wrong usage, 3 the case cannot be read (nothing is written),\n"
    "4 the output cannot be written (an earlier file stays as it was).\n");

} // namespace

int comandoReport(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    auto caso = prepararCaso(argumentos, true, QStringLiteral("report"), kUso, salida, errores);
    if (const int *codigo = std::get_if<int>(&caso))
        return *codigo;
    const auto &[l, ventana] = std::get<CasoAbierto>(caso);
    const informe::Informe inf =
        informe::informeTuberia(*ventana, l.idioma, QDateTime::currentDateTime());
    if (const auto e = guardarInforme(l.salida, inf)) {
        errores << QStringLiteral("vorlo report: ") << e->texto(l.idioma) << '\n';
        return 4;
    }
    return 0;
}

} // namespace vorlo::cli
