#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo gaspipe --equation E --sg SG --t T --z Z --d MM --l M --p1 P (--p2 P | --q Q) ...`: a
// gas pipeline solved for the standard flow or the outlet pressure, with its velocity limits,
// one line per result, `key<TAB>value<TAB>unit`. Answers with a CodigoSalida.
int comandoGaspipe(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
