#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo line`: a liquid line of segments in series, with or without a pump; one line per
// result (`key<TAB>value<TAB>unit`), or the segment table or the system curve as CSV. Answers
// with a CodigoSalida; 4 when no flow reaches the end pressure.
int comandoLine(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
