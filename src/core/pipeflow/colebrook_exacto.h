#pragma once

#include <optional>

namespace vorlo {

// The root of the Colebrook-White equation
//     1/sqrt(f) = -2 log10(e/(3.7 D) + 2.51/(Re sqrt(f)))
// itself, not the grid point that Colebrook (colebrook.h) picks. Roughness e and internal
// diameter D in mm, like Colebrook. For Re from 2000 to 1e12 and e/D from 0 to 1 the relative
// error is below 1e-13 (a few ulps in practice). Outside that range the root is still returned
// where it exists and the arithmetic stays finite.
// nullopt where the equation has no root: an argument not finite, Re <= 0, D <= 0, e < 0, or
// e/D >= 3.7 (the logarithm's argument then exceeds 1 whatever f is).
std::optional<double> colebrookExacto(double rugosidad, double dint, double re);

} // namespace vorlo
