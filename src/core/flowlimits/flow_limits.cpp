#include "flow_limits.h"

#include <cmath>

namespace vorlo::limites {

namespace {

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

std::optional<double> siPositivo(double x) {
    return positivo(x) ? std::optional<double>(x) : std::nullopt;
}

} // namespace

std::optional<double> velocidadErosional(double c, double densidad) {
    if (!positivo(c) || !positivo(densidad))
        return std::nullopt;
    return siPositivo(kFactorErosionalSI * c / std::sqrt(densidad));
}

std::optional<double> velocidadSonido(double gamma, double presion, double densidad) {
    if (!positivo(gamma) || !positivo(presion) || !positivo(densidad))
        return std::nullopt;
    // Roots apart, so that the quotient does not overflow before the speed itself would.
    return siPositivo(std::sqrt(gamma) * std::sqrt(presion) / std::sqrt(densidad));
}

std::optional<double> velocidadSonidoGas(double gamma, double z, double tK, double masaMolar) {
    if (!positivo(gamma) || !positivo(z) || !positivo(tK) || !positivo(masaMolar))
        return std::nullopt;
    return siPositivo(std::sqrt(gamma * z * kR * tK / masaMolar));
}

std::optional<double> mach(double velocidad, double sonido) {
    if (!std::isfinite(velocidad) || velocidad < 0 || !positivo(sonido))
        return std::nullopt;
    const double m = velocidad / sonido;
    return std::isfinite(m) ? std::optional<double>(m) : std::nullopt;
}

std::optional<Limites> limitesEn(double velocidad, double densidad, double sonido,
                                 double cErosional) {
    const auto m = mach(velocidad, sonido);
    const auto ve = velocidadErosional(cErosional, densidad);
    if (!m || !ve)
        return std::nullopt;
    return Limites{velocidad, *m, *ve};
}

TextoBilingue avisoErosional() {
    return {QStringLiteral("La velocidad supera la velocidad erosional de API RP 14E"),
            QStringLiteral("The velocity exceeds the API RP 14E erosional velocity")};
}

TextoBilingue avisoMach() {
    return {QStringLiteral("Mach por encima de 0,3: las hipótesis de flujo incompresible de las "
                           "ecuaciones dejan de valer"),
            QStringLiteral("Mach above 0.3: the equations' incompressible assumptions no longer "
                           "hold")};
}

} // namespace vorlo::limites
