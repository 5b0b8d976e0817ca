#include "case_commands.h"
#include "case_loading.h"
#include "report/report.h"
#include "report/report_formats.h"

#include <QTextStream>

namespace vorlo::cli {

namespace {

const QString kUso = QStringLiteral(
    "Usage: vorlo calc CASE [--lang es|en]\n"
    "Opens the results file CASE as File > Open does, settles the pipe flow calculation as the\n"
    "window does, and prints one line per field: its name, its text as the window shows it and\n"
    "its unit, separated by tabs. --lang chooses the language of the notes (default: en).\n"
    "Exit codes: 0 done, 2 wrong usage, 3 the case cannot be read.\n");

// The exact root, its note and the pipe designation are printed when the case has them.
const QStringList kOpcionales = {informe::fexacta, informe::Labelfexacta, informe::LabelTuberia};

} // namespace

int comandoCalc(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    auto caso = prepararCaso(argumentos, false, QStringLiteral("calc"), kUso, salida, errores);
    if (const int *codigo = std::get_if<int>(&caso))
        return *codigo;
    const auto &ventana = std::get<CasoAbierto>(caso).ventana;
    using informe::Ventana;
    for (const QString &campo : informe::campos(Ventana::Tuberia)) {
        if (kOpcionales.contains(campo) && !ventana->textos().contains(campo))
            continue;
        salida << campo << '\t' << informe::celda(ventana->texto(campo)) << '\t'
               << informe::rotulo(Ventana::Tuberia, campo)->unidad << '\n';
    }
    return 0;
}

} // namespace vorlo::cli
