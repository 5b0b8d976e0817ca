#include "colebrook.h"

#include <cmath>

namespace vorlo {

namespace {

constexpr double kInicio = 0.01;
constexpr double kPaso = 0.00001;
constexpr double kFin = 0.1;

// The residual exactly as the scan forms it, operation by operation.
inline double residuo(double a, double f, double re) {
    const double b = 2.51 / (std::sqrt(f) * re);
    return 2 * std::log(a + b) / std::log(10.0) + 1 / std::sqrt(f);
}

// The logarithm's argument a + b is monotone in f, so it is positive and finite at every grid
// point when it is at both ends of the grid.
bool evaluable(double a, double re) {
    for (double f : {kInicio, kFin}) {
        const double arg = a + 2.51 / (std::sqrt(f) * re);
        if (!(arg > 0) || !std::isfinite(arg))
            return false;
    }
    return std::isfinite(residuo(a, kInicio, re)) && std::isfinite(residuo(a, kFin, re));
}

} // namespace

std::optional<double> ColebrookBarrido(double rugosidad, double dint, double re) {
    if (dint == 0)
        return std::nullopt;
    const double a = rugosidad / (dint * 3.7);
    if (!evaluable(a, re))
        return std::nullopt;
    double mejor = 10000;
    double resultado = 1000.0;
    for (double f = kInicio; f <= kFin; f += kPaso) {
        const double r = residuo(a, f, re);
        if (std::fabs(r) < mejor) {
            mejor = r; // the signed residual: once it is negative nothing replaces it
            resultado = f;
        }
    }
    return resultado;
}

std::optional<double> Colebrook(double rugosidad, double dint, double re) {
    return ColebrookBarrido(rugosidad, dint, re);
}

} // namespace vorlo
