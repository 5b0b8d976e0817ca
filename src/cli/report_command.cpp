#include "case_commands.h"
#include "case_loading.h"
#include "cases/case_file.h"
#include "report/report.h"
#include "report/report_file.h"
#include "report/report_windows.h"

#include <QDateTime>
#include <QTextStream>

namespace vorlo::cli {

namespace {

const QString kUso = QStringLiteral(
    "Usage: vorlo report CASE -o OUT.pdf|OUT.csv [--lang es|en] [--exact|--defined]\n"
    "                    [--project T] [--line T] [--revision T] [--prepared T] [--checked T]\n"
    "                    [--digits N]\n"
    "Opens CASE, a case (.vorlo) or a results file (.vrq), as File > Open does, settles the pipe\n"
    "flow calculation as the window does, and writes its report: a PDF calculation note or a\n"
    "CSV table, chosen by the extension of OUT. The note has a title block with the case's\n"
    "report details, the line and revision on every page, the tables, the method with the\n"
    "case's numbers, the Moody chart, and the fittings, water and steam, gas and gas line\n"
    "windows a case holds, computed again from their inputs. --project, --line, --revision,\n"
    "--prepared and --checked set those details over the case's. --lang chooses the language\n"
    "of the report (default: en). --exact computes every result from the exact Colebrook\n"
    "friction factor and unrounded values, --defined in the defined mode; without either a\n"
    "case keeps the mode it was saved in, and a results file takes the defined mode.\n"
    "--digits N presents every number of the note with N significant digits (2 to 15; the\n"
    "case's report details may ask for it too, default 4) in the note language's convention:\n"
    "decimal point and comma grouping in English, decimal comma and point grouping in Spanish.\n"
    "The CSV keeps the window's texts and their value_number.\n"
    "Exit codes: 0 done, 2 wrong usage, 3 the case cannot be read (nothing is written),\n"
    "4 the output cannot be written (an earlier file stays as it was).\n");

// A case's header and other windows; a results file holds only the pipe window.
informe::Contexto contexto(const LineaCaso &l, const CamposTexto &tuberia) {
    informe::Contexto c;
    if (caso::esCaso(l.caso))
        if (const auto leido = caso::leer(l.caso); std::holds_alternative<caso::Caso>(leido))
            c = informe::contextoDeCaso(std::get<caso::Caso>(leido), tuberia);
    for (auto it = l.cabecera.cbegin(); it != l.cabecera.cend(); ++it)
        c.cabecera.textos.insert(it.key(), it.value());
    return c;
}

} // namespace

int comandoReport(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    auto caso = prepararCaso(argumentos, true, QStringLiteral("report"), kUso, salida, errores);
    if (const int *codigo = std::get_if<int>(&caso))
        return *codigo;
    const auto &[l, ventana] = std::get<CasoAbierto>(caso);
    const informe::Informe inf = informe::informeTuberia(
        *ventana, l.idioma, QDateTime::currentDateTime(), contexto(l, *ventana));
    if (const auto e = guardarInforme(l.salida, inf)) {
        errores << QStringLiteral("vorlo report: ") << e->texto(l.idioma) << '\n';
        return 4;
    }
    return 0;
}

} // namespace vorlo::cli
