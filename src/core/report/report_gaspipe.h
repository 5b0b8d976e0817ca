#pragma once

#include "cases/case_file.h"
#include "fields/language.h"
#include "report/report.h"

#include <optional>

namespace vorlo::informe {

// The gas pipeline window's section of the calculation note: its inputs and results as the
// window computes them from the case's part, the chosen equation with the case's numbers, the
// velocity limits at both ends and every equation compared. nullopt while the part holds no
// text beyond the window's defaults.
std::optional<Anexo> anexoGasoducto(const caso::Ventana &parte, Lengua lengua);

} // namespace vorlo::informe
