#pragma once

#include <QStringList>

class QTextStream;

// `vorlo calc` and `vorlo report`: a case (.vorlo) or results file (.vrq) opened and settled as
// the pipe flow window does, printed field by field or written as a report.
namespace vorlo::cli {

// `vorlo calc CASE [--lang es|en] [--exact]`: one line per field the window shows, name, value
// and unit separated by tabs. `vorlo calc CASE... --csv`: one CSV row per file.
int comandoCalc(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

// `vorlo report CASE -o OUT.pdf|OUT.csv [--lang es|en]`.
int comandoReport(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
