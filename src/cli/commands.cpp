#include "commands.h"

#include "case_commands.h"
#include "fittings_command.h"
#include "pipes_command.h"

namespace vorlo::cli {

const QList<Comando> &comandos() {
    // Each command adds its row here; the function lives in the command's own file.
    static const QList<Comando> tabla = {
        {QStringLiteral("pipes"),
         QStringLiteral("Standard pipe sizes (ASME B36.10M, B36.19M, EN 10255), table or CSV."),
         false, &comandoPipes},
        {QStringLiteral("fittings"),
         QStringLiteral("K of the 21 catalogue fittings by table, Crane, 2-K or 3-K method."),
         false, &comandoFittings},
        {QStringLiteral("calc"),
         QStringLiteral("Open a results file and print every field as the pipe window shows it."),
         false, &comandoCalc},
        {QStringLiteral("report"), QStringLiteral("Write the PDF or CSV report of a results file."),
         true, &comandoReport},
    };
    return tabla;
}

const Comando *buscarComando(const QString &nombre) {
    for (const Comando &c : comandos())
        if (c.nombre == nombre)
            return &c;
    return nullptr;
}

QString version() {
    return QStringLiteral(VORLO_VERSION);
}

} // namespace vorlo::cli
