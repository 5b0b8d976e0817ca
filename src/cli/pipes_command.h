#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo pipes [--standard TEXT] [--csv]`: the standard pipe sizes on the output, as an aligned
// table or as CSV (header `standard,nps,dn,schedule,od_mm,wall_mm,id_mm`). `--standard` keeps
// the standards whose name begins with TEXT, in any case. Answers with a CodigoSalida.
int comandoPipes(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

// The NPS as the CSV of the commands writes it: decimal inches with no trailing zeros (0.125,
// 1.25, 4); empty for EN 10255 rows, which have none.
QString npsCsv(double nps);

} // namespace vorlo::cli
