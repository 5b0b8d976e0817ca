#include "colebrook.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

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

const std::vector<double> &mallaInterna() {
    static const std::vector<double> malla = [] {
        std::vector<double> m;
        for (double f = kInicio; f <= kFin; f += kPaso)
            m.push_back(f);
        return m;
    }();
    return malla;
}

// Where the root of the equation falls on the grid, roughly: the index of the first grid point
// past it, in [0, n]. Only a starting point for the search, so no accuracy is promised.
// Newton's method in x = 1/sqrt(f) on g(x) = x + k ln(a + c x), k = 2/ln 10, c = 2.51/Re > 0.
// g is increasing and concave, so from a start left of the root every step stays left of it
// and the argument of the logarithm stays positive once it is. The start is the grid's upper
// end f = 0.1: a root left of it lies past the grid.
std::size_t indiceEstimado(double a, double re, std::size_t n) {
    const double k = 2 / std::log(10.0);
    const double c = 2.51 / re;
    const double xFin = 1 / std::sqrt(kFin);
    const double xInicio = 1 / std::sqrt(kInicio);
    double x = xFin;
    for (int i = 0; i < 12; ++i) {
        const double arg = a + c * x;
        if (!(arg > 0))
            break;
        const double g = x + k * std::log(arg);
        if (!(g < 0)) {
            if (i == 0)
                return n; // root at or past f = 0.1
            break;
        }
        const double dx = -g / (1 + k * c / arg);
        x += dx;
        if (x > xInicio)
            return 0; // root below f = 0.01
        // Quadratic convergence: the error left is about k dx^2 / (2 x^2), which moves f by
        // under 3e-7 once dx <= 0.01, a thirtieth of a grid step.
        if (!(dx > 1e-2))
            break;
    }
    const double t = (1 / (x * x) - kInicio) / kPaso;
    if (!(t > 0))
        return 0;
    if (!(t < static_cast<double>(n)))
        return n;
    return static_cast<std::size_t>(std::ceil(t));
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

// Why this returns what the scan returns.
//
// With Re > 0 (+inf included) each rounded operation of the residual is monotone in f:
// sqrt(f) * Re grows, so 2.51 / (sqrt(f) * Re), a + b and the scaled logarithm do not grow
// (glibc's log is within an ulp, so at worst it wobbles by an ulp or two), while 1/sqrt(f)
// falls by at least 1.58e-4 from one grid point to the next (the least at f = 0.1). Every
// residual is below 660 in magnitude (x <= 10, |log| < 745), where an ulp is under 1.2e-13,
// so the computed residuals r_0 > r_1 > ... strictly decrease along the grid: no rounding
// noise comes near the size of a step.
//
// The scan on a strictly decreasing sequence: every |r| < 660 < 10000, so r_0 is taken.
// Positive residuals keep falling and each is taken. Let k be the first index with r_k <= 0.
// r_k is taken if |r_k| < r_{k-1} (for k = 0, always); once taken, the best is <= 0 and
// nothing can beat it. If it is not taken, every later r_j < r_k has |r_j| > |r_k| >= r_{k-1},
// so none is taken either. So the result is g[k-1] or g[k] by that one comparison, g[0] when
// k = 0 and the last point when no residual is <= 0; a tie keeps g[k-1], like the scan.
//
// So only k is needed, and the sign of the residual is monotone along the grid: the estimate
// proposes k, the residuals at k-1 and k confirm it, and otherwise a galloping search from the
// estimate followed by bisection finds it. Every residual compared is computed by the scan's
// own expression at the scan's own grid point, so the estimate only affects the speed.
//
// For Re <= 0 or NaN the residual need not be monotone (with Re < 0 the logarithm's argument
// grows with f); the scan itself answers those.
namespace {

// The arguments alone decide: a positive finite argument gives a finite residual.
bool argumentosFinitos(double a, double re) {
    for (double f : {kInicio, kFin}) {
        const double arg = a + 2.51 / (std::sqrt(f) * re);
        if (!(arg > 0) || !std::isfinite(arg))
            return false;
    }
    return true;
}

// The first grid index whose residual is <= 0 (n when none is), with the residuals just before
// it and at it.
struct Cambio {
    std::size_t k = 0;
    double rAntes = 0; // r_{k-1}
    double rEn = 0;    // r_k
};

// Searches from the estimate `h`: its two neighbours first, then a gallop away from it while
// every probe lies on one side, then bisection.
Cambio buscarCambio(double a, double re, const std::vector<double> &g, std::size_t h) {
    const std::size_t n = g.size();
    // Invariant: r_i > 0 for i < lo and r_i <= 0 for i >= hi.
    std::size_t lo = 0;
    std::size_t hi = n;
    Cambio c;
    const auto probar = [&](std::size_t i) {
        const double r = residuo(a, g[i], re);
        if (r > 0) {
            lo = i + 1;
            c.rAntes = r;
        } else {
            hi = i;
            c.rEn = r;
        }
    };
    if (h > 0)
        probar(h - 1);
    if (h < n && lo <= h && h < hi)
        probar(h);
    std::size_t paso = 1;
    while (lo < hi) {
        std::size_t i = lo + (hi - lo) / 2;
        if (lo == 0 && hi <= h) // all probes so far were <= 0: gallop down
            i = hi > paso ? hi - paso : 0;
        else if (hi == n && lo > h) // all probes so far were > 0: gallop up
            i = std::min(lo - 1 + paso, n - 1);
        probar(i);
        paso *= 2;
    }
    c.k = lo;
    return c;
}

// `pista`, when given, replaces the estimate, so that tests can start the search anywhere.
std::optional<double> rapido(double rugosidad, double dint, double re,
                             std::optional<std::size_t> pista) {
    if (!(re > 0))
        return ColebrookBarrido(rugosidad, dint, re);
    if (dint == 0)
        return std::nullopt;
    const double a = rugosidad / (dint * 3.7);
    if (!argumentosFinitos(a, re))
        return std::nullopt;

    const std::vector<double> &g = mallaInterna();
    const std::size_t n = g.size();
    const Cambio c = buscarCambio(a, re, g, pista ? std::min(*pista, n) : indiceEstimado(a, re, n));
    if (c.k == n)
        return g[n - 1];
    if (c.k == 0)
        return g[0];
    // The scan's state after g[k-1] is best = r_{k-1} > 0, result = g[k-1]; only g[k] can
    // still replace it.
    return std::fabs(c.rEn) < c.rAntes ? g[c.k] : g[c.k - 1];
}

} // namespace

std::optional<double> Colebrook(double rugosidad, double dint, double re) {
    return rapido(rugosidad, dint, re, std::nullopt);
}

namespace colebrook {

double residuo(double a, double f, double re) {
    return vorlo::residuo(a, f, re);
}

std::span<const double> malla() {
    return mallaInterna();
}

std::optional<double> desdeIndice(double rugosidad, double dint, double re, std::size_t indice) {
    return rapido(rugosidad, dint, re, indice);
}

} // namespace colebrook

} // namespace vorlo
