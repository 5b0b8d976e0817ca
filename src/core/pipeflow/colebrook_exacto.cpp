#include "colebrook_exacto.h"

#include <algorithm>
#include <cmath>

namespace vorlo {

// With y = (ln 10 / 2) / sqrt(f) the equation becomes (Clamond, "Efficient resolution of the
// Colebrook equation", Ind. Eng. Chem. Res. 48 (2009) 3665)
//     h(y) = y + ln(x1 + y) - x2 = 0,  x1 = (e/D) Re ln10 / 18.574,  x2 = ln(Re ln10 / 5.02).
// h is increasing and concave on y > -x1. So Newton's method started at or left of the root
// climbs to it without overshooting, and from right of the root its first step lands left of
// it. Clamond's two third-order steps from y = x2 - 0.2 get within rounding of the root over
// the whole turbulent range; one Newton step then confirms it (and corrects what is left).
// Where Clamond's start is outside the domain (Re of a few units), Newton starts from a point
// proved to be left of the root.

namespace {

constexpr double kLn10Sobre18574 = 0.12396818633541754513;  // ln(10) / 18.574
constexpr double kLnLn10Sobre502 = -0.77939748845568194287; // ln(ln(10) / 5.02)
constexpr double kMitadLn10 = 1.1512925464970228420;        // ln(10) / 2
constexpr int kMaxNewton = 60;

// Two steps of Clamond's iteration from his start; nullopt when the start or a step leaves the
// domain x1 + y > 0.
std::optional<double> clamond(double x1, double x2) {
    double y = x2 - 0.2;
    for (int i = 0; i < 2; ++i) {
        const double z = x1 + y;
        if (!(z > 0))
            return std::nullopt;
        const double e = (std::log(z) + y - x2) / (1 + z);
        y -= (1 + z + 0.5 * e) * e * z / (1 + z + e * (1 + e / 3));
    }
    if (!(x1 + y > 0) || !std::isfinite(y))
        return std::nullopt;
    return y;
}

// A start at or left of the root y*, inside the domain; nullopt when none can be formed.
// The root is positive (h(0) = ln((e/D)/3.7) < 0) and at most the smooth pipe's root ys
// (ys + ln ys = x2). With U >= ys: y* = x2 - ln(x1 + y*) >= x2 - ln(x1 + U). U = max(x2, 1)
// bounds ys (ys > 1 exactly when x2 > 1, and then ln ys > 0). For Re of a few units the bound
// can be negative; then z = x1 + y* <= 1 gives z = exp(x1 + x2 - z) >= exp(x1 + x2 - 1).
std::optional<double> inicioIzquierda(double x1, double x2) {
    double y = x2 - std::log(x1 + std::max(x2, 1.0));
    if (x1 + y > 0 && y > 0)
        return y;
    y = std::max(0.0, std::exp(x1 + x2 - 1) - x1);
    if (x1 + y > 0)
        return y;
    return std::nullopt;
}

} // namespace

std::optional<double> colebrookExacto(double rugosidad, double dint, double re) {
    if (!std::isfinite(rugosidad) || !std::isfinite(dint) || !std::isfinite(re))
        return std::nullopt;
    if (!(re > 0) || !(dint > 0) || rugosidad < 0)
        return std::nullopt;
    const double relativa = rugosidad / dint;
    if (!(relativa < 3.7))
        return std::nullopt;

    const double x1 = relativa * re * kLn10Sobre18574;
    const double x2 = std::log(re) + kLnLn10Sobre502;
    if (!std::isfinite(x1) || !std::isfinite(x2))
        return std::nullopt;

    std::optional<double> inicio = clamond(x1, x2);
    if (!inicio)
        inicio = inicioIzquierda(x1, x2);
    if (!inicio)
        return std::nullopt;

    double y = *inicio;
    for (int i = 0;; ++i) {
        if (i == kMaxNewton)
            return std::nullopt;
        const double z = x1 + y;
        if (!(z > 0))
            return std::nullopt;
        const double paso = -(y + std::log(z) - x2) * z / (z + 1);
        y += paso;
        // Quadratic convergence: after a step this small the error left is far below an ulp.
        if (!(std::fabs(paso) > 1e-9 * y))
            break;
    }
    if (!(y > 0))
        return std::nullopt;
    const double raiz = kMitadLn10 / y;
    const double f = raiz * raiz;
    if (!std::isfinite(f) || !(f > 0))
        return std::nullopt;
    return f;
}

} // namespace vorlo
