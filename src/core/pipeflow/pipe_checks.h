#pragma once

#include "fields/field_texts.h"
#include "fields/input_checks.h"
#include "pipeflow/pipe_flow.h"

#include <QString>
#include <optional>

// Which pipe flow inputs a pass can use. An input that is not a number, or zero or negative
// where the quantity cannot be, counts as absent, so that every result depending on it is
// emptied rather than left from the last good value; the help line says which and why.
namespace vorlo::tuberia {

// What an input of the pass can be; nullopt for a field the pass only writes.
std::optional<Requisito> requisito(const QString &campo);

// Relative roughness beyond which the Colebrook correlation (and the Moody chart) is
// extrapolated.
inline constexpr double kRugosidadRelativaMaxima = 0.05;

// What the help line says about the inputs after a pass, in both languages, red: each input
// the pass could not take and why, and where the friction factor is extrapolated or has no
// Colebrook root. nullopt when all is well.
std::optional<NotaTuberia> avisoEntradas(const CamposTexto &campos);

} // namespace vorlo::tuberia
