#include "commands.h"

#include "case_commands.h"
#include "fittings_command.h"
#include "gaspipe_command.h"
#include "line_command.h"
#include "pipes_command.h"
#include "size_command.h"
#include "valve_command.h"
#include "water_command.h"

namespace vorlo::cli {

const QList<Comando> &comandos() {
    // Each command adds its row here; the function lives in the command's own file.
    static const QList<Comando> tabla = {
        {QStringLiteral("pipes"),
         QStringLiteral("Standard pipe sizes (ASME B36.10M, B36.19M, EN 10255), table or CSV."),
         false, &comandoPipes},
        {QStringLiteral("size"),
         QStringLiteral("Line sizing: the smallest standard pipe within a velocity and a drop "
                        "per 100 m, CSV."),
         false, &comandoSize},
        {QStringLiteral("fittings"),
         QStringLiteral("K of the 21 catalogue fittings by table, Crane, 2-K or 3-K method."),
         false, &comandoFittings},
        {QStringLiteral("calc"),
         QStringLiteral("Open cases or results files and print the fields as the pipe window "
                        "shows them (--csv: one row per file)."),
         false, &comandoCalc},
        {QStringLiteral("report"),
         QStringLiteral("Write the PDF or CSV report of a case or results file."), true,
         &comandoReport},
        {QStringLiteral("water"),
         QStringLiteral("Water and steam properties by IAPWS-IF97 at a temperature and pressure."),
         false, &comandoWater},
        {QStringLiteral("valve"),
         QStringLiteral("Control valve Kv and Cv by IEC 60534-2-1, liquid or gas, with choked "
                        "flow, reducers and viscous flow."),
         false, &comandoValve},
        {QStringLiteral("gaspipe"),
         QStringLiteral(
             "Gas pipeline by the general flow equation, Weymouth, Panhandle A/B or IGT, "
             "with its velocity limits."),
         false, &comandoGaspipe},
        {QStringLiteral("line"),
         QStringLiteral("A liquid line of segments in series: the pressure at the end, the flow "
                        "between two pressures, or the pump's head, NPSH and power."),
         false, &comandoLine},
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
