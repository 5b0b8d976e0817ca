#pragma once

#include "cases/case_file.h"
#include "fields/language.h"
#include "report/report.h"

#include <optional>

namespace vorlo::informe {

// The control valve window's section of the calculation note: its inputs and results as the
// window computes them from the case's part, and the method with the case's numbers, step by
// step (IEC 60534-2-1). nullopt while the part holds no text.
std::optional<Anexo> anexoValvula(const caso::Ventana &parte, Lengua lengua);

} // namespace vorlo::informe
