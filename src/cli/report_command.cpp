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
    "Opens CASE, a case (.vorlo) or a results file (.vrq), as File > Open does, settles the\n"
    "pipe flow calculation as the window does, and writes its report: a PDF calculation note\n"
    "or a CSV table, chosen by the extension of OUT. --lang chooses the language of the report\n"
    "(default: en). --exact computes every result from the exact Colebrook friction factor and\n"
    "unrounded values; without it a case keeps the mode it was saved in.\n"
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
