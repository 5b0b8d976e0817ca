#pragma once

#include "cases/case_file.h"
#include "fields/language.h"
#include "report/report.h"

#include <optional>

namespace vorlo::informe {

// The line and pump window's section of the calculation note, computed again from the case's
// part: its inputs, one table a segment, the line's and the pump's results, points of the
// system curve, and the method with the case's numbers. nullopt while the part holds nothing.
std::optional<Anexo> anexoLinea(const caso::Ventana &parte, Lengua lengua);

} // namespace vorlo::informe
