#pragma once

#include <functional>
#include <optional>
#include <variant>

// Isothermal flow of an ideal gas along a straight pipe of constant diameter, over its whole
// length. With rho/P constant along the line (rho1 at P1) and A = pi D^2 / 4:
//
//   m^2 = A^2 rho1 (P1^2 - P2^2) / (P1 (f L / D + 2 ln(P1 / P2)))
//
// For a given P1 the flow has a largest value, reached when the outlet velocity equals the
// isothermal limit sqrt(P1 / rho1); beyond it the line is choked and no P2 exists. Everything
// here is in SI units: Pa (absolute), kg/m3, m, Pa s, kg/s, m/s.
namespace vorlo::lineagas {

// Darcy friction factor as a function of the Reynolds number; nullopt where it has none.
using FuncionFriccion = std::function<std::optional<double>(double re)>;
// A friction factor given as a number, or found from the Reynolds number of the flow.
using Friccion = std::variant<double, FuncionFriccion>;

struct Linea {
    double p1 = 0;        // inlet pressure, Pa absolute
    double densidad1 = 0; // gas density at P1 and the line temperature, kg/m3
    double dint = 0;      // internal diameter, m
    double longitud = 0;  // m
    // Dynamic viscosity, Pa s: needed for the Reynolds number, and so for a friction factor
    // found from it; with a given factor the line is solved without it.
    std::optional<double> viscosidad;
};

// Why a line has no result.
enum class Motivo {
    Ninguno,
    P1NoValida,         // P1 not a positive finite number
    DensidadNoValida,   // rho1 not positive and finite
    DiametroNoValido,   // D not positive and finite
    LongitudNoValida,   // L not positive and finite
    ViscosidadNoValida, // mu missing where needed, or not positive and finite
    FriccionNoValida,   // f given not positive and finite, or the function has none
    CaudalNoValido,     // mass flow not positive and finite
    P2NoValida,         // P2 not positive and finite
    P2NoMenorQueP1,     // P2 >= P1
    Ahogada,            // the flow is beyond the largest the line can carry
    SinConvergencia,    // the flow -> Re -> f iteration did not settle
    FueraDeRango        // an intermediate value left the range of a double
};

// A solved line.
struct Estado {
    double masico = 0;        // kg/s
    double p2 = 0;            // outlet pressure, Pa
    double caida = 0;         // P1 - P2, Pa, kept apart so that a small drop keeps its digits
    double f = 0;             // the Darcy friction factor used
    std::optional<double> re; // Reynolds number, the same all along; nullopt without mu
    double v1 = 0;            // inlet velocity
    double v2 = 0;            // outlet velocity
    double vLimite = 0;       // isothermal limit velocity sqrt(P1 / rho1)
};

// The largest flow of a line and the outlet pressure at which it chokes.
struct Ahogo {
    double masicoMaximo = 0; // kg/s
    double p2Ahogo = 0;      // Pa
    double f = 0;            // the friction factor at that flow
};

struct Solucion {
    std::optional<Estado> estado; // empty: no result, and `motivo` says why
    Motivo motivo = Motivo::Ninguno;
    std::optional<Ahogo> ahogo; // set when the line is choked and its limit could be found
};

struct Limite {
    std::optional<Ahogo> ahogo;
    Motivo motivo = Motivo::Ninguno;
};

// Outlet pressure for a mass flow. With a friction function, f is taken at the Reynolds number
// of that flow.
Solucion resolverP2(const Linea &linea, const Friccion &friccion, double masico);

// Mass flow for an outlet pressure. With a friction function the flow is iterated
// flow -> Re -> f until it changes by less than 1e-12 relative.
Solucion resolverMasico(const Linea &linea, const Friccion &friccion, double p2);

// The largest flow and the choking pressure (with a friction function, at the Reynolds number
// of that largest flow).
Limite limiteAhogo(const Linea &linea, const Friccion &friccion);

// The line carrying its largest flow: the outlet at the choking pressure, its velocity at the
// limit; nullopt when a value leaves the range of a double.
std::optional<Estado> estadoAhogado(const Linea &linea, const Ahogo &ahogo);

// sqrt(P1 / rho1); nullopt unless both are positive and finite.
std::optional<double> velocidadLimite(double p1, double densidad1);

// Bounds of the iterations; reaching one is reported, never looped past.
inline constexpr int kIteracionesCaudal = 200;
inline constexpr double kToleranciaCaudal = 1e-12;

} // namespace vorlo::lineagas
