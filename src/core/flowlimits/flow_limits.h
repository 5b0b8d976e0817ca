#pragma once

#include "fields/language.h"

#include <optional>

// The two velocity limits of a gas line, in one place for every window that shows them: the
// Mach number from the speed of sound, and the erosional velocity of API RP 14E. SI units:
// m/s, kg/m3, Pa, K, kg/mol.
namespace vorlo::limites {

// Molar gas constant, J/(mol K) (CODATA 2018, exact).
inline constexpr double kR = 8.314462618;
// Molar mass of air, kg/mol: a gas of specific gravity SG has SG times this.
inline constexpr double kMasaMolarAire = 28.9625e-3;
// API RP 14E's empirical constant: continuous service, and intermittent service.
inline constexpr double kCErosionalContinuo = 100;
inline constexpr double kCErosionalIntermitente = 125;
// Above this Mach number the pipeline equations' incompressible assumptions no longer hold.
inline constexpr double kMachMaximo = 0.3;
// Ratio of specific heats taken when none is given: natural gas.
inline constexpr double kGammaDefecto = 1.3;
// API RP 14E writes Ve = C / sqrt(rho) with Ve in ft/s and rho in lb/ft3. The same law with
// Ve in m/s and rho in kg/m3 carries this factor: 0,3048 / sqrt(0,3048^3 / 0,45359237).
inline constexpr double kFactorErosionalSI = 1.2199032517251334;

// Ve = kFactorErosionalSI C / sqrt(rho); nullopt unless C and rho are positive and finite.
std::optional<double> velocidadErosional(double c, double densidad);
// c = sqrt(gamma P / rho) at a pressure and the density there.
std::optional<double> velocidadSonido(double gamma, double presion, double densidad);
// c = sqrt(gamma Z R T / M) of a real gas.
std::optional<double> velocidadSonidoGas(double gamma, double z, double tK, double masaMolar);
// V / c.
std::optional<double> mach(double velocidad, double sonido);

// The limits at one point of a line: its velocity against the speed of sound and against the
// erosional velocity there.
struct Limites {
    double velocidad = 0;
    double mach = 0;
    double erosional = 0;
    bool superaErosional() const { return velocidad > erosional; }
    bool superaMach() const { return mach > kMachMaximo; }
};
// nullopt unless every value is positive and finite (a velocity of zero is allowed).
std::optional<Limites> limitesEn(double velocidad, double densidad, double sonido,
                                 double cErosional);

// The warnings, worded once for every window and note that shows the limits.
TextoBilingue avisoErosional();
TextoBilingue avisoMach();

} // namespace vorlo::limites
