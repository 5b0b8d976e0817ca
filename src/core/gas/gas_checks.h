#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"

#include <optional>

// What the gas window's help line says about its inputs: each text that is not a number, or
// zero or negative where the quantity cannot be, and a compressibility factor outside the
// usual range (kept: the user may know better).
namespace vorlo::gas {

// The usual range of Z; outside it the window warns but computes.
inline constexpr double kZMinimo = 0.05;
inline constexpr double kZMaximo = 5;

// nullopt when every present input can be taken and every Z is within the usual range.
std::optional<TextoBilingue> avisoEntradasGas(const CamposTexto &campos);

} // namespace vorlo::gas
