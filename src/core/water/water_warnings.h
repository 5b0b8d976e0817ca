#pragma once

#include "fields/language.h"
#include "water/water_state.h"

#include <QList>
#include <QString>
#include <functional>

// What the water window, `vorlo water` and the calculation note warn of beside a state's
// numbers, in one place.
namespace vorlo::agua {

// A number with `cifras` significant digits, as the place that shows the warning writes it.
using FormatoNumero = std::function<QString(double x, int cifras)>;
// The windows' form ("0,39").
QString numeroVentana(double x, int cifras);

// Within this fraction of the critical temperature (in K) and pressure, IF97's region 3 is
// least reliable.
inline constexpr double kFraccionCritica = 0.01;
// The viscosity formulation's range ends here, ºC; above it the program extrapolates.
inline constexpr double kViscosidadMaxima = 900;

// The warnings of a state, in this order: near the critical point; within 1 K of saturation
// (at saturation itself, which phase was taken and why); the viscosity extrapolated.
QList<TextoBilingue> avisosAgua(const EstadoAgua &estado,
                                const FormatoNumero &numero = numeroVentana);

} // namespace vorlo::agua
