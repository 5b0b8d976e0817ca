#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo valve --liquid|--gas ...`: the Kv a control valve needs by IEC 60534-2-1, one line per
// result, `key<TAB>value<TAB>unit`. Answers with a CodigoSalida.
int comandoValve(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
