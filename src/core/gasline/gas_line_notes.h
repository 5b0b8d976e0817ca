#pragma once

#include "fields/language.h"
#include "gasline/gas_line_window.h"

// The note under the gas line window's results, in both languages: the window shows it, the
// calculation note prints it among its warnings.
namespace vorlo::lineagas {

// The note for a calculation's outputs; empty texts with no note. Numbers as the window writes
// them (the largest flow with two decimals, the choking pressure with four).
TextoBilingue textoNota(const Salidas &s);
// The velocity limits' warnings (erosional, Mach), one sentence each; empty without any.
TextoBilingue textoLimites(const Salidas &s);

} // namespace vorlo::lineagas
