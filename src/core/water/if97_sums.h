#pragma once

#include "water/if97_coefficients.h"

#include <algorithm>
#include <array>
#include <cstddef>

// The polynomial sums of the basic equations and their first and second partial derivatives.
namespace vorlo::agua::detalle {

using coeficientes::Termino;

// The sum f = sum n x^I y^J and its partial derivatives with respect to x and y.
struct Derivadas {
    double f = 0;
    double fx = 0;
    double fxx = 0;
    double fy = 0;
    double fyy = 0;
    double fxy = 0;
};

template <std::size_t N> constexpr int mayorI(const std::array<Termino, N> &tabla) {
    int m = 0;
    for (const Termino &t : tabla)
        m = std::max(m, t.i);
    return m;
}

template <std::size_t N> constexpr int menorJ(const std::array<Termino, N> &tabla) {
    int m = 0;
    for (const Termino &t : tabla)
        m = std::min(m, t.j);
    return m;
}

template <std::size_t N> constexpr int mayorJ(const std::array<Termino, N> &tabla) {
    int m = 0;
    for (const Termino &t : tabla)
        m = std::max(m, t.j);
    return m;
}

// Integer powers y^jMin .. y^jMax by repeated products: a table costs less than one std::pow.
template <int JMin, int JMax> struct Potencias {
    std::array<double, JMax - JMin + 1> valores{};

    explicit Potencias(double y) {
        valores[-JMin] = 1;
        for (int j = 1; j <= JMax; ++j)
            valores[j - JMin] = valores[j - 1 - JMin] * y;
        if constexpr (JMin < 0) {
            const double inversa = 1 / y;
            for (int j = -1; j >= JMin; --j)
                valores[j - JMin] = valores[j + 1 - JMin] * inversa;
        }
    }
    double operator[](int j) const { return valores[j - JMin]; }
};

// Every term's value n x^I y^J once; each derivative is the same sum weighted by the exponents
// and divided by x or y afterwards. x and y must not be zero; in every region they are kept
// away from zero by the region's range.
template <const auto &Tabla> Derivadas sumar(double x, double y) {
    constexpr int iMax = mayorI(Tabla);
    constexpr int jMin = menorJ(Tabla);
    constexpr int jMax = mayorJ(Tabla);
    const Potencias<0, iMax> px(x);
    const Potencias<jMin, jMax> py(y);
    Derivadas d;
    for (const Termino &t : Tabla) {
        const double a = t.n * px[t.i] * py[t.j];
        d.f += a;
        d.fx += t.i * a;
        d.fxx += t.i * (t.i - 1) * a;
        d.fy += t.j * a;
        d.fyy += t.j * (t.j - 1) * a;
        d.fxy += t.i * t.j * a;
    }
    d.fx /= x;
    d.fxx /= x * x;
    d.fy /= y;
    d.fyy /= y * y;
    d.fxy /= x * y;
    return d;
}

} // namespace vorlo::agua::detalle
