#include "viscosity.h"

#include "water/if97.h"
#include "water/if97_sums.h"

#include <array>
#include <cmath>

namespace vorlo::agua {

namespace {

// IAPWS R12-08, Table 1: coefficients H_i of the dilute-gas term mu0 (Eq. 11).
constexpr std::array<double, 4> kH{1.67752, 2.20462, 0.6366564, -0.241605};

// IAPWS R12-08, Table 2: coefficients H_ij of the residual term mu1 (Eq. 12), the terms that are
// not zero, as {i, j, H_ij}.
constexpr std::array<coeficientes::Termino, 21> kHij{{
    {0, 0, 0.520094},     {1, 0, 0.850895e-1}, {2, 0, -0.108374e1}, {3, 0, -0.289555},
    {0, 1, 0.222531},     {1, 1, 0.999115},    {2, 1, 0.188797e1},  {3, 1, 0.126613e1},
    {5, 1, 0.120573},     {0, 2, -0.281378},   {1, 2, -0.906851},   {2, 2, -0.772479},
    {3, 2, -0.489837},    {4, 2, -0.257040},   {0, 3, 0.161913},    {1, 3, 0.257399},
    {0, 4, -0.325372e-1}, {3, 4, 0.698452e-1}, {4, 5, 0.872102e-2}, {3, 6, -0.435673e-2},
    {5, 6, -0.593264e-3},
}};

// The release's reference constants: T* and rho* are the critical values of IF97 (kTc, kRhoc);
// mu* = 1e-6 Pa s.
constexpr double kMuRef = 1e-6;

} // namespace

double viscosidad(double rho, double t) {
    const double tr = t / kTc;
    const double dr = rho / kRhoc;
    const double mu0 =
        100 * std::sqrt(tr) / (kH[0] + kH[1] / tr + kH[2] / (tr * tr) + kH[3] / (tr * tr * tr));
    const detalle::Potencias<0, 5> x(1 / tr - 1);
    const detalle::Potencias<0, 6> y(dr - 1);
    double suma = 0;
    for (const coeficientes::Termino &h : kHij)
        suma += h.n * x[h.i] * y[h.j];
    const double mu1 = std::exp(dr * suma);
    return kMuRef * mu0 * mu1;
}

} // namespace vorlo::agua
