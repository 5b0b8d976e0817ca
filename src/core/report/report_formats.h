#pragma once

#include "report/report.h"
#include "results/results_file.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The report model written out as text: CSV for a file, tab-separated text and an HTML table
// for the clipboard. The PDF is drawn by the windows' library.
namespace vorlo::informe {

// UTF-8 CSV (RFC 4180: CR LF line ends, a value holding a comma, a quote or a line break in
// quotes, inner quotes doubled), header `field,caption,value,unit,value_number`: the case's
// options, every quantity and note row, then the fittings list. `value_number` repeats a
// quantity's value as numeroCsv writes it; it is empty for options, notes and names.
QByteArray csv(const Informe &inf);

// The number a value text shows, for programs that read numbers with a decimal point: the same
// digits, the decimal comma as a point, no grouping, no leading zeros but one before the
// point, the exponent as shown (",0197" -> "0.0197", "127.065" -> "127065", "1,8198E-05" ->
// "1.8198E-05"). Empty for a text leerNumero does not read as a number, and for an empty one.
QString numeroCsv(const QString &valor);

// One CSV value, quoted only where needed.
QString valorCsv(const QString &valor);

// Text for a spreadsheet: each section's title on a line of its own, then one line per quantity,
// caption, value and unit separated by tabs; the fittings list after them. A tab or line break
// inside a value becomes a space, so that every value stays in its cell.
QString textoPlano(const Informe &inf);

// The same rows as an HTML table (a second table for the fittings), for a word processor.
QString tablaHtml(const Informe &inf);

// A value made safe for one cell of tab-separated text.
QString celda(const QString &valor);

// Writes the CSV safely (a temporary file, then a rename); on failure the earlier file stays.
std::optional<resultados::ErrorArchivo> guardarCsv(const QString &ruta, const Informe &inf);

} // namespace vorlo::informe
