#pragma once

// IAPWS-IF97, the industrial formulation of the thermodynamic properties of water and steam
// (IAPWS R7-97(2012)), in the release's own units: temperature T in K, pressure p in MPa,
// density in kg/m3, specific volume in m3/kg, energies in kJ/kg, entropy and heat capacity in
// kJ/(kg K), speed of sound in m/s. Regions 1, 2, 3 and 5 and the saturation line (region 4);
// the metastable-vapour equation and the backward equations are not part of it.
namespace vorlo::agua {

inline constexpr double kR = 0.461526;            // specific gas constant, kJ/(kg K) (Eq. 1)
inline constexpr double kTc = 647.096;            // critical temperature, K (Eq. 2)
inline constexpr double kPc = 22.064;             // critical pressure, MPa (Eq. 3)
inline constexpr double kRhoc = 322.0;            // critical density, kg/m3 (Eq. 4)
inline constexpr double kTmin = 273.15;           // lower temperature of the formulation, K
inline constexpr double kT13 = 623.15;            // upper end of region 1, lower end of region 3, K
inline constexpr double kT25 = 1073.15;           // boundary between regions 2 and 5, K
inline constexpr double kTmax = 2273.15;          // upper temperature of region 5, K
inline constexpr double kPmax = 100.0;            // upper pressure up to kT25, MPa
inline constexpr double kPmax5 = 50.0;            // upper pressure of region 5, MPa
inline constexpr double kPsatMin = 611.212677e-6; // saturation pressure at kTmin, MPa

// Properties of one state from a basic equation.
struct Propiedades {
    double t = 0;  // K
    double p = 0;  // MPa
    double v = 0;  // m3/kg
    double h = 0;  // kJ/kg
    double u = 0;  // kJ/kg
    double s = 0;  // kJ/(kg K)
    double cp = 0; // kJ/(kg K)
    double w = 0;  // m/s

    double densidad() const { return 1 / v; }
};

// The basic equations, evaluated wherever their arithmetic is defined; the callers keep to each
// region's range. Regions 1, 2 and 5 take (T, p); region 3 takes (rho, T) and gives p.
Propiedades region1(double t, double p);
Propiedades region2(double t, double p);
Propiedades region5(double t, double p);
Propiedades region3(double rho, double t);

// The saturation line (Eq. 30 for kTmin <= T <= kTc, Eq. 31 for kPsatMin <= p <= kPc).
double presionSaturacion(double t);
double temperaturaSaturacion(double p);

// The B23 line between regions 2 and 3 (Eq. 5 for 623.15 <= T <= 863.15 K, Eq. 6 for
// 16.5292 <= p <= 100 MPa).
double presionB23(double t);
double temperaturaB23(double p);

// Whether (T, p) lies in the range of the formulation: 273.15 K <= T <= 1073.15 K with
// 0 < p <= 100 MPa, or 1073.15 K < T <= 2273.15 K with 0 < p <= 50 MPa.
bool enRango(double t, double p);

// The region (1, 2, 3 or 5) of a state in range; 0 outside the range. Below 623.15 K the state
// belongs to region 2 when T is above the saturation temperature at p and to region 1
// otherwise; between 623.15 and 1073.15 K, to region 3 above the B23 pressure and to region 2
// at or below it; above 1073.15 K, to region 5.
int region(double t, double p);

// The density of a region-3 state from (T, p): the root of p(rho, T) = p of the basic equation
// (Eq. 28), to a relative residual in pressure of 1e-12. Where the isotherm has more than one
// root, the liquid-like one when T is at or below the saturation temperature at p (or p is at
// or above kPc with T below kTc), the vapour-like one otherwise. NaN outside region 3.
double densidadRegion3(double t, double p);

// Every property of a state in range, from its region's basic equation; NaN fields outside the
// range.
Propiedades propiedades(double t, double p);

} // namespace vorlo::agua
