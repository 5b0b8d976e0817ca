#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo pipes [--standard TEXT] [--csv]`: the standard pipe sizes on the output, as an aligned
// table or as CSV (header `standard,nps,dn,schedule,od_mm,wall_mm,id_mm`). `--standard` keeps
// the standards whose name begins with TEXT, in any case. Answers with a CodigoSalida.
int comandoPipes(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
