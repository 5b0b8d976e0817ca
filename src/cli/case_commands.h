#pragma once

#include <QStringList>

class QTextStream;

// `vorlo calc` and `vorlo report`: a results file opened and settled as the pipe flow window
// does, printed field by field or written as a report.
namespace vorlo::cli {

// `vorlo calc CASE [--lang es|en]`: one line per field, name, value and unit separated by tabs.
int comandoCalc(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

// `vorlo report CASE -o OUT.pdf|OUT.csv [--lang es|en]`.
int comandoReport(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
