#pragma once

#include "flowlimits/flow_limits.h"

#include <array>
#include <optional>

// A gas pipeline by the classic equations (Weymouth, Panhandle A and B, IGT) or by the general
// flow equation (the isothermal line of gasline/ with the Colebrook f), solved for the standard
// flow from both pressures or for the outlet pressure from the flow, with the velocity limits
// at both ends. Everything here is SI: Pa absolute, K, m, Pa s, standard m3/s, kg/s, m/s.
namespace vorlo::gasoducto {

enum class Ecuacion { General, Weymouth, PanhandleA, PanhandleB, Igt };
// In the order the window lists them.
inline constexpr std::array<Ecuacion, 5> kEcuaciones = {Ecuacion::General, Ecuacion::Weymouth,
                                                        Ecuacion::PanhandleA, Ecuacion::PanhandleB,
                                                        Ecuacion::Igt};

// The pipeline efficiency an equation takes when none is given (the general equation has none).
double eficienciaDefecto(Ecuacion e);
bool necesitaViscosidad(Ecuacion e);
bool necesitaRugosidad(Ecuacion e);

// An empirical equation as Q = k E (Tb/Pb)^a ((P1^2 - P2^2) / (SG^b T L Z))^c D^d / mu^m, in
// the units its source states: Menon's SI forms (Q m3/day, P kPa, L km, D mm; no mu) or, for
// IGT, base SI (Q m3/s, P Pa, L m, D m, mu Pa s).
struct Forma {
    double k = 0;
    double a = 0, b = 0, c = 0, d = 0, m = 0;
    bool unidadesMenon = true;
};
// nullopt for the general equation.
std::optional<Forma> forma(Ecuacion e);

inline constexpr double kCeroAbsolutoK = 273.15; // 0 ºC in K
inline constexpr double kPaPorBar = 1e5;

// Base conditions by default: 15 ºC and 1,01325 bar a.
inline constexpr double kTBaseK = 288.15;
inline constexpr double kPBase = 101325;

struct Datos {
    Ecuacion ecuacion = Ecuacion::General;
    double sg = 0; // specific gravity, air = 1
    double tK = 0; // average gas temperature
    double z = 0;  // average compressibility
    double gamma = limites::kGammaDefecto;
    std::optional<double> viscosidad; // Pa s
    double dint = 0;                  // m
    double longitud = 0;              // m
    std::optional<double> rugosidad;  // m
    std::optional<double> eficiencia; // nullopt: the equation's own default
    double tBaseK = kTBaseK;
    double pBase = kPBase;
    double cErosional = limites::kCErosionalContinuo;
    double p1 = 0;
    // Exactly one of the two: the outlet pressure (solve for the flow) or the standard flow
    // (solve for P2).
    std::optional<double> p2;
    std::optional<double> caudal; // standard m3/s
};

// Why there are no numbers.
enum class Motivo {
    Ninguno,
    SGNoValida,
    TNoValida, // not above absolute zero
    ZNoValida,
    GammaNoValida,
    ViscosidadNoValida,
    DiametroNoValido,
    LongitudNoValida,
    RugosidadNoValida,  // negative
    EficienciaNoValida, // not in (0, 1]
    BaseNoValida,       // Tb or Pb not positive
    CErosionalNoValida,
    P1NoValida,
    P2NoValida,
    P2NoMenorQueP1,
    CaudalNoValido,
    CaudalYP2,    // both given
    NiCaudalNiP2, // neither given
    FaltaViscosidad,
    FaltaRugosidad,
    Ahogada,        // general equation: the flow cannot pass, or P2 is below the choking point
    CaudalExcesivo, // an empirical equation: the flow would need P2 at or below zero
    SinSolucion     // no result representable, or the iteration did not settle
};

// One end of the line.
struct Extremo {
    double presion = 0;
    double densidad = 0;
    limites::Limites limites;
};

struct Resultado {
    Motivo motivo = Motivo::Ninguno; // Ninguno: every number below is set
    double caudal = 0;               // standard m3/s
    double p2 = 0;
    double masico = 0;
    double sonido = 0; // the same all along the isothermal line
    double eficiencia = 0;
    Extremo entrada, salida;
    // The outlet pressure at which this flow would reach the isothermal limit velocity
    // sqrt(Z R T / M): the choking pressure of the general equation.
    double p2Ahogo = 0;
    std::optional<double> re, f; // the general equation's
    // Choked under the general equation: its largest flow and the choking pressure then.
    std::optional<double> caudalMaximo, p2AhogoMaximo;

    bool valido() const { return motivo == Motivo::Ninguno; }
    bool bajoAhogo() const { return valido() && p2 < p2Ahogo; }
};

// kg/mol of a gas of specific gravity SG; its density at P, Z and T.
double masaMolar(double sg);
double densidad(double presion, double masaMolar, double z, double tK);
// The standard density at the base conditions (ideal gas there).
double densidadBase(const Datos &d);

Motivo validar(const Datos &d);
Resultado resolver(const Datos &d);
// Every equation with the same data, in kEcuaciones' order.
std::array<Resultado, 5> comparar(const Datos &d);

} // namespace vorlo::gasoducto
