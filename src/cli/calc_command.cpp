#include "case_commands.h"
#include "case_loading.h"
#include "pipeflow/friccion_exacta.h"
#include "report/report.h"
#include "report/report_formats.h"

#include <QTextStream>

namespace vorlo::cli {

namespace {

const QString kUso = QStringLiteral(
    "Usage: vorlo calc CASE [--lang es|en] [--exact]\n"
    "Opens the results file CASE as File > Open does, settles the pipe flow calculation as the\n"
    "window does, and prints one line per field: its name, its text as the window shows it and\n"
    "its unit, separated by tabs; the first line states how the results were computed.\n"
    "--lang chooses the language of the notes (default: en). --exact computes every result\n"
    "from the exact Colebrook friction factor and unrounded values.\n"
    "Exit codes: 0 done, 2 wrong usage, 3 the case cannot be read.\n");

} // namespace

int comandoCalc(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    auto caso = prepararCaso(argumentos, false, QStringLiteral("calc"), kUso, salida, errores);
    if (const int *codigo = std::get_if<int>(&caso))
        return *codigo;
    const auto &[linea, ventana] = std::get<CasoAbierto>(caso);
    // The mode first, then the fields; the exact root, its note and the pipe designation are
    // printed when the case has them.
    salida << tuberia::CheckExacto << '\t'
           << friccion::textoModo(ventana->opcion(tuberia::CheckExacto)).en(linea.idioma) << "\t\n";
    for (const Campo &campo : tuberia::campos().campos()) {
        if (campo.tiene(Opcional) && !ventana->textos().contains(campo.nombre))
            continue;
        salida << campo.nombre << '\t' << informe::celda(ventana->texto(campo.nombre)) << '\t'
               << campo.unidad << '\n';
    }
    return 0;
}

} // namespace vorlo::cli
