#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace vorlo {

// Darcy friction factor from the Colebrook-White equation, by a scan of the grid
// f = 0.01, 0.01001, ... <= 0.1 (built by repeated addition) for the point whose residual is
// smallest in magnitude; ties keep the smaller f. Roughness and diameter in mm.
// Empty for a zero diameter, and where the residual cannot be evaluated at some grid point
// (the logarithm's argument not positive, or not finite), instead of an arbitrary grid point.
// Returns exactly what ColebrookBarrido returns, bit for bit, but evaluates the residual at a
// handful of grid points instead of all of them.
std::optional<double> Colebrook(double rugosidad, double dint, double re);

// The literal scan over all grid points; the reference the fast path is checked against.
std::optional<double> ColebrookBarrido(double rugosidad, double dint, double re);

namespace colebrook {

// The scan's residual at f, operation by operation; a = rugosidad / (dint * 3.7).
double residuo(double a, double f, double re);

// The scan's grid, built once by the same repeated addition.
std::span<const double> malla();

// Colebrook with the search for the root's grid index started at `indice` (clamped to the
// grid) instead of at the estimate. The answer must not depend on it; tests check that.
std::optional<double> desdeIndice(double rugosidad, double dint, double re, std::size_t indice);

} // namespace colebrook

} // namespace vorlo
