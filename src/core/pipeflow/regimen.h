#pragma once

// The flow regimes and the friction grid, as every calculation, chart and report takes them.
namespace vorlo {

// Darcy friction factor of laminar flow: kFactorLaminar / Re.
inline constexpr double kFactorLaminar = 64;
// Reynolds bounds. The friction factor is laminar below kReLaminar and from Colebrook from it
// on; kReLaminar to kReTurbulento is the transition zone, where the factor is indeterminate.
inline constexpr double kReLaminar = 2000;
inline constexpr double kReTurbulento = 4000;

// The Darcy–Weisbach drop per unit length, f / D · ρ · V² / 2, multiplied and divided in this
// bracketed order, on which the pass's last digit depends. D's unit sets the result's: D in mm
// gives kPa/m, in m Pa/m.
inline double perdidaDarcy(double f, double d, double densidad, double velocidad) {
    return ((f / d) * densidad * (velocidad * velocidad)) / 2;
}

namespace friccion {
// The grid the displayed friction factor is searched on (Colebrook's scan), 0,01 to 0,1.
inline constexpr double kMallaInicio = 0.01;
inline constexpr double kMallaFin = 0.1;
} // namespace friccion

} // namespace vorlo
