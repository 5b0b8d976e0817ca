#pragma once

#include "fields/language.h"
#include "gasline/gas_line_window.h"

#include <functional>

// The note under the gas line window's results, in both languages: the window shows it, the
// calculation note prints it among its warnings.
namespace vorlo::lineagas {

// The note for a calculation's outputs; empty texts with no note. Numbers as the window writes
// them (the largest flow with two decimals, the choking pressure with four).
TextoBilingue textoNota(const Salidas &s);
// The velocity limits' warnings (erosional, Mach), one sentence each; empty without any.
TextoBilingue textoLimites(const Salidas &s);

// Each input of the mode whose text cannot be taken, by its caption, and why ("Length: must be
// greater than zero"); empty when every present input can be taken.
TextoBilingue avisoEntradas(const std::function<QString(const QString &)> &texto, bool calcularP2,
                            bool friccionDada);

// Everything the window says under its results: the inputs' problems (which make the general
// "a value is not valid" note needless), the calculation's note and the velocity limits; red
// for a choked line, a bad input or a passed limit.
struct NotaVentana {
    TextoBilingue texto;
    bool roja = false;
};
NotaVentana notaVentana(const Salidas &s, const TextoBilingue &avisoEntradas);

} // namespace vorlo::lineagas
