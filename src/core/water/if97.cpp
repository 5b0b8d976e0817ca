#include "if97.h"

#include "water/if97_coefficients.h"
#include "water/if97_sums.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlo::agua {

namespace c = coeficientes;
using detalle::Derivadas;
using detalle::sumar;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The ideal-gas part of regions 2 and 5, gamma0 = ln pi + sum n tau^J, and its tau derivatives
// (its pi derivatives are 1/pi and -1/pi^2).
struct Ideal {
    double g = 0;
    double gt = 0;
    double gtt = 0;
};

template <std::size_t N>
constexpr int extremoJ(const std::array<c::TerminoIdeal, N> &tabla, bool mayor) {
    int m = 0;
    for (const c::TerminoIdeal &t : tabla)
        m = mayor ? std::max(m, t.j) : std::min(m, t.j);
    return m;
}

template <const auto &Tabla> Ideal ideal(double pi, double tau) {
    const detalle::Potencias<extremoJ(Tabla, false), extremoJ(Tabla, true)> pt(tau);
    Ideal r{std::log(pi), 0, 0};
    for (const c::TerminoIdeal &t : Tabla) {
        const double a = t.n * pt[t.j];
        r.g += a;
        r.gt += t.j * a;
        r.gtt += t.j * (t.j - 1) * a;
    }
    r.gt /= tau;
    r.gtt /= tau * tau;
    return r;
}

// Properties from an ideal-gas part and a residual part (Table 12 for region 2, Table 39 for
// region 5). The residual sums are in (pi, y) with y = tau - shift, so d/dtau = d/dy.
Propiedades gibbsConIdeal(double t, double p, double pi, double tau, const Ideal &o,
                          const Derivadas &r) {
    const double rt = kR * t;
    const double gtTotal = o.gt + r.fy;
    const double gttTotal = o.gtt + r.fyy;
    const double pgp = pi * r.fx; // pi * gammar_pi
    Propiedades e;
    e.t = t;
    e.p = p;
    e.v = rt / (1000 * p) * (1 + pgp);
    e.h = rt * tau * gtTotal;
    e.u = rt * (tau * gtTotal - 1 - pgp);
    e.s = kR * (tau * gtTotal - (o.g + r.f));
    e.cp = -kR * tau * tau * gttTotal;
    const double a = 1 + pgp - tau * pi * r.fxy;
    const double denominador = 1 - pi * pi * r.fxx + a * a / (tau * tau * gttTotal);
    e.w = std::sqrt(1000 * rt * (1 + 2 * pgp + pgp * pgp) / denominador);
    return e;
}

} // namespace

Propiedades region1(double t, double p) {
    const double pi = p / 16.53;
    const double tau = 1386 / t;
    // gamma = sum n (7.1 - pi)^I (tau - 1.222)^J: d/dpi = -d/dx.
    const Derivadas d = sumar<c::kRegion1>(7.1 - pi, tau - 1.222);
    const double gp = -d.fx;
    const double gpp = d.fxx;
    const double gt = d.fy;
    const double gtt = d.fyy;
    const double gpt = -d.fxy;
    const double rt = kR * t;
    Propiedades e; // Table 3
    e.t = t;
    e.p = p;
    e.v = pi * gp * rt / (1000 * p);
    e.h = tau * gt * rt;
    e.u = rt * (tau * gt - pi * gp);
    e.s = kR * (tau * gt - d.f);
    e.cp = -kR * tau * tau * gtt;
    const double a = gp - tau * gpt;
    e.w = std::sqrt(1000 * rt * gp * gp / (a * a / (tau * tau * gtt) - gpp));
    return e;
}

Propiedades region2(double t, double p) {
    const double pi = p; // p* = 1 MPa
    const double tau = 540 / t;
    return gibbsConIdeal(t, p, pi, tau, ideal<c::kRegion2Ideal>(pi, tau),
                         sumar<c::kRegion2Residual>(pi, tau - 0.5));
}

Propiedades region5(double t, double p) {
    const double pi = p; // p* = 1 MPa
    const double tau = 1000 / t;
    return gibbsConIdeal(t, p, pi, tau, ideal<c::kRegion5Ideal>(pi, tau),
                         sumar<c::kRegion5Residual>(pi, tau));
}

double presionSaturacion(double t) {
    const auto &n = c::kRegion4;
    const double theta = t + n[8] / (t - n[9]);
    const double a = theta * theta + n[0] * theta + n[1];
    const double b = n[2] * theta * theta + n[3] * theta + n[4];
    const double cc = n[5] * theta * theta + n[6] * theta + n[7];
    const double x = 2 * cc / (-b + std::sqrt(b * b - 4 * a * cc));
    return x * x * x * x;
}

double temperaturaSaturacion(double p) {
    const auto &n = c::kRegion4;
    const double beta = std::sqrt(std::sqrt(p));
    const double e = beta * beta + n[2] * beta + n[5];
    const double f = n[0] * beta * beta + n[3] * beta + n[6];
    const double g = n[1] * beta * beta + n[4] * beta + n[7];
    const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
    const double s = n[9] + d;
    return (s - std::sqrt(s * s - 4 * (n[8] + n[9] * d))) / 2;
}

double presionB23(double t) {
    const auto &n = c::kB23;
    return n[0] + n[1] * t + n[2] * t * t;
}

double temperaturaB23(double p) {
    const auto &n = c::kB23;
    return n[3] + std::sqrt((p - n[4]) / n[2]);
}

bool enRango(double t, double p) {
    if (!(p > 0) || !(t >= kTmin) || !(t <= kTmax))
        return false;
    return p <= (t <= kT25 ? kPmax : kPmax5);
}

int region(double t, double p) {
    if (!enRango(t, p))
        return 0;
    if (t > kT25)
        return 5;
    if (t > kT13)
        return p > presionB23(t) ? 3 : 2;
    // Below the triple-point pressure every temperature in range is above saturation; from the
    // saturation pressure at 623.15 K (the B23 pressure there) up, none is.
    if (p < kPsatMin)
        return 2;
    if (p >= presionB23(kT13))
        return 1;
    return t > temperaturaSaturacion(p) ? 2 : 1;
}

Propiedades propiedades(double t, double p) {
    switch (region(t, p)) {
    case 1:
        return region1(t, p);
    case 2:
        return region2(t, p);
    case 3:
        return region3(densidadRegion3(t, p), t);
    case 5:
        return region5(t, p);
    default:
        return {t, p, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
    }
}

} // namespace vorlo::agua
