#pragma once

#include "fields/language.h"
#include "gaspipe/gas_pipe.h"

// The gas pipeline's messages in both languages: why a line has no numbers, and the warnings
// on a solved one (velocity limits, choking).
namespace vorlo::gasoducto {

// Why there are no numbers; empty for Motivo::Ninguno.
TextoBilingue textoMotivo(const Resultado &r);
// The warnings of a solved line, one sentence each; empty when there are none.
TextoBilingue textoAvisos(const Resultado &r);
// The note under the results: the reason, or the warnings.
TextoBilingue textoNota(const Resultado &r);
// A few words for a row of the comparison without numbers ("choked", "needs µ").
TextoBilingue textoBreve(Motivo m);

} // namespace vorlo::gasoducto
