#pragma once

#include "line/line.h"

#include <QString>
#include <optional>

// The numbers a line's result puts in each result field and segment column, by name: the
// window, the note and the command read them from here.
namespace vorlo::linea {

// A result field's number; nullopt where the field stays empty (the flow solved only when it
// was solved, the pump's fields without a pump, NPSH without P_sat, and so on).
std::optional<double> valorResultado(const QString &campo, const Resultado &r);

// The number a result line of the command prints: as valorResultado, but the flow whether
// given or solved.
std::optional<double> valorLinea(const QString &campo, const Resultado &r);

// A segment column's number (an input column gives the segment's datum).
std::optional<double> valorColumna(int columna, const Tramo &t, const EstadoTramo &e);

} // namespace vorlo::linea
