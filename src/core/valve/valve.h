#pragma once

#include "fields/language.h"

#include <QString>
#include <optional>
#include <variant>

// Control valve sizing by IEC 60534-2-1 (ISA-75.01.01): the flow coefficient Kv a liquid or a
// gas needs for its flow and drop, with choked flow, reducers around the valve and the viscous
// (non-turbulent) correction. Inputs in the window's units: pressures bar a, flow m3/h (liquid
// at flowing conditions, gas in normal m3/h at 0 ºC and 1,01325 bar a), sizes mm.
namespace vorlo::valvula {

// The standard's constants for Kv, m3/h, kPa, mm, m2/s and K (its Table 1).
inline constexpr double kN1 = 0.1;
inline constexpr double kN2 = 1.60e-3;
inline constexpr double kN4 = 7.07e-2;
inline constexpr double kN5 = 1.80e-3;
inline constexpr double kN9 = 24.6; // normal m3/h at 0 ºC
inline constexpr double kN18 = 0.865;
inline constexpr double kN22 = 17.3; // normal m3/h at 0 ºC, non-turbulent gas flow
inline constexpr double kN32 = 140.0;
inline constexpr double kRho0 = 999.1;          // water at 15 ºC, kg/m3
inline constexpr double kCvPorKv = 1.156099;    // US gal/min at 1 psi per m3/h at 1 bar
inline constexpr double kReTurbulento = 10000.; // fully turbulent from here on
inline constexpr double kPcAgua = 220.64;       // bar a, for "Water and steam…"
inline constexpr double kAlcance = 0.047;       // Kv/(N18·d²) of the standard's scope

enum class Fluido { Liquido, Gas };

struct DatosValvula {
    Fluido fluido = Fluido::Liquido;
    double q = 0;                       // m3/h; normal m3/h for a gas
    double p1 = 0;                      // bar a
    double p2 = 0;                      // bar a
    std::optional<double> viscosidad{}; // Pa·s; without it the viscous check is not made
    // Liquid
    double densidad = 0; // kg/m3 at the inlet
    double pv = 0;       // vapour pressure, bar a
    double pc = 0;       // critical pressure, bar a
    // Gas
    double t = 0;     // inlet temperature, ºC
    double m = 0;     // molar mass, g/mol
    double gamma = 0; // ratio of specific heats
    double z = 1;     // compressibility at the inlet
    // Valve
    double fl = 0.9;
    double fd = 1.0;
    double xt = 0.7;
    std::optional<double> d{};  // valve size, mm; needed for reducers and the Reynolds number
    std::optional<double> d1{}; // inlet pipe, mm; the valve size when absent
    std::optional<double> d2{}; // outlet pipe, mm; the valve size when absent
    std::optional<double> kvNominal{}; // rated Kv, m3/h
};

// What the liquid does in the valve, or whether the gas is choked.
enum class Estado {
    Normal,      // liquid without cavitation, or gas not choked
    Cavitacion,  // the vena contracta falls below the vapour pressure, the flow not yet choked
    Bloqueado,   // choked: a liquid fully cavitating, or a gas at sonic flow
    Vaporizacion // flashing: the outlet is below the vapour pressure
};

enum class Regimen {
    SinComprobar, // no valve size or viscosity: the Reynolds number cannot be found
    Turbulento,   // Rev >= 10 000
    Transicion,   // 10 <= Rev < 10 000
    Laminar       // Rev < 10
};

struct ResultadoValvula {
    double kv = 0; // m3/h
    double cv = 0; // US gal/min at 1 psi
    bool bloqueado = false;
    // Liquid: the choked drop, bar. Gas: the choked drop ratio Fγ·xT (Fγ·xTP with reducers).
    double limite = 0;
    Estado estado = Estado::Normal;
    Regimen regimen = Regimen::SinComprobar;
    std::optional<double> ff;       // liquid
    std::optional<double> y;        // gas
    std::optional<double> fp;       // with reducers, turbulent flow
    std::optional<double> flp;      // with reducers, liquid
    std::optional<double> xtp;      // with reducers, gas
    std::optional<double> fr;       // non-turbulent flow
    std::optional<double> rev;      // with a valve size and a viscosity
    std::optional<double> apertura; // % of the rated Kv
    // Kv/(N18·d²) with a valve size: the equations hold their accuracy below 0,047.
    std::optional<double> alcance;
    int iteraciones = 0; // passes of the reducers' or the viscous iteration
};

// Why there are no numbers: the message in both languages and the input at fault.
struct ErrorValvula {
    TextoBilingue mensaje;
    QString campo; // the field table's name of the input, empty when no single one
};

using Dimensionado = std::variant<ResultadoValvula, ErrorValvula>;

Dimensionado dimensionar(const DatosValvula &datos);

// The text of a state and regime in both languages, as the window and the note show them.
TextoBilingue textoEstado(Fluido fluido, Estado estado);
TextoBilingue textoRegimen(Regimen regimen);

} // namespace vorlo::valvula
