#pragma once

#include "gasline/gas_line.h"
#include "pipeflow/regimen.h"

#include <QString>
#include <functional>
#include <optional>

// The gas line window's calculation in its own units: pressures in bar a, density kg/m3,
// diameter and roughness mm, dynamic viscosity Pa s, length m, mass flow kg/h, velocities m/s.
// It works from the inputs' values only; the results it returns are never inputs of its own.
namespace vorlo::lineagas {

// The Colebrook root for a roughness and diameter in mm at a Reynolds number.
using FuncionColebrook =
    std::function<std::optional<double>(double rugosidadMm, double dintMm, double re)>;

// The window's inputs; nullopt where a field is empty or holds no number.
struct Entradas {
    std::optional<double> p1Bar;
    std::optional<double> densidad1;
    std::optional<double> dintMm;
    std::optional<double> rugosidadMm;
    std::optional<double> viscosidad;
    std::optional<double> longitud;
    std::optional<double> masicoKgH; // an input when solving for P2
    std::optional<double> p2Bar;     // an input when solving for the flow
    std::optional<double> f;         // an input when the friction factor is given
    bool calcularP2 = true;          // false: solve for the flow
    bool friccionDada = false;
    std::optional<double> gamma; // ratio of specific heats; empty: limites::kGammaDefecto
};

// The note under the results.
enum class Nota {
    Ninguna,
    Ahogada,        // red: the line is choked; the largest flow and choking pressure are set
    DatoNoValido,   // a value that must be positive is not (roughness: negative)
    P2NoMenorQueP1, // the outlet pressure given is not below the inlet pressure
    SinFriccion,    // Colebrook has no friction factor for these data
    SinSolucion,    // no result representable, or the iteration did not settle
    Laminar,        // Re below 2000 with the Colebrook f, which holds for turbulent flow only
    CaidaGrande     // the drop exceeds 10 % of P1: a per-metre calculation would mislead
};

// Every result the window shows; nullopt where the field stays empty. A line choked solving
// for the flow carries its largest flow: the flow, the drop, Re, f and the velocities are those
// of that flow, the drop down to the choking pressure at the line's end (the rest of the fall to
// the P2 given happens beyond it). Choked solving for P2, the flow given cannot pass: P2, the
// drop and the outlet velocity stay empty.
struct Salidas {
    std::optional<double> masicoKgH; // set when solving for the flow
    std::optional<double> p2Bar;     // set when solving for P2
    std::optional<double> caidaBar;  // P1 - P2 (choked: P1 minus the choking pressure)
    std::optional<double> caidaPorcentaje;
    std::optional<double> re;
    std::optional<double> f; // set only when the factor is found, not given
    std::optional<double> v1;
    std::optional<double> v2;
    std::optional<double> vLimite;
    Nota nota = Nota::Ninguna;
    std::optional<double> masicoMaximoKgH; // with Nota::Ahogada
    std::optional<double> p2AhogoBar;      // with Nota::Ahogada
    // The velocity limits: Mach at both ends against sqrt(gamma P1 / rho1), which the
    // isothermal line keeps constant, and the erosional velocity (C = 100) at the outlet, where
    // the density is lowest. A warning when either is passed, unless the line is choked: its
    // note says all there is.
    std::optional<double> mach1;
    std::optional<double> mach2;
    std::optional<double> vErosional;
    bool superaMach = false;
    bool superaErosional = false;
};

// A drop above this percentage of P1 gets the per-metre note, judged on the percentage as the
// window shows it (one decimal): a drop shown as 10,0 % is not said to exceed 10 %, whichever
// direction it was solved in.
inline constexpr double kCaidaGrandePorcentaje = 10;

Salidas calcularVentana(const Entradas &entradas, const FuncionColebrook &colebrook);

// The window's inputs from its texts (by field name) in a mode: solving for P2 or for the flow,
// with f given or found. The window and the note read them alike.
Entradas entradasDe(const std::function<QString(const QString &)> &texto, bool calcularP2,
                    bool friccionDada);
// The value a result field shows, by its name; nullopt for an empty result or a field that is
// none.
std::optional<double> salida(const QString &campo, const Salidas &s);

} // namespace vorlo::lineagas
