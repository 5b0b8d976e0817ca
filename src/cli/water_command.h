#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo water --t T --p P`: the IAPWS-IF97 state of water or steam at T ºC and P bar a, one
// line per result, `key<TAB>value<TAB>unit`. Answers with a CodigoSalida.
int comandoWater(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
