#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo fittings --d MM [--method table|crane|2k|3k] [--re RE]`: the K of the 21 catalogue
// fittings, one line per row, `row<TAB>group<TAB>title<TAB>K` (group `threaded` or `flanged`,
// the English title, K with a decimal point in the shortest form that reads back the same double,
// empty where the method gives none). Where the method gives no K for the diameter (the table's
// 9-400 mm band, a diameter too small for Crane or 3-K) every such K is empty and the reason goes
// to stderr; the exit code is still 0. Answers with a CodigoSalida.
int comandoFittings(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
