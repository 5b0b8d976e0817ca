#pragma once

#include <QList>
#include <optional>

// A liquid line as built: segments in series, each with its own pipe, rise, fittings and fixed
// equipment drop, and optionally a pump between two of them. Units as the window and the
// command take them: flow m3/h at flowing conditions, density kg/m3, viscosity Pa s, pressures
// bar a, drops bar, diameters and roughness mm, lengths and rises m, heads m, powers kW.
namespace vorlo::linea {

inline constexpr double kGravedad = 9.80665; // m/s2
inline constexpr double kPaPorBar = 1e5;
// Roughness a segment takes when none is given (commercial steel), mm.
inline constexpr double kRugosidadDefecto = 0.05;

struct Tramo {
    double dintMm = 0;
    double longitud = 0; // m
    double dz = 0;       // outlet elevation minus inlet elevation, m
    double rugosidadMm = kRugosidadDefecto;
    double k = 0;         // sum of the fittings' K, entrance and exit included when added
    double equipoBar = 0; // fixed drop of a filter, exchanger or valve allowance, bar
    bool operator==(const Tramo &) const = default;
};

// A point of the pump's curve: flow m3/h, head m.
struct PuntoCurva {
    double q = 0;
    double h = 0;
    bool operator==(const PuntoCurva &) const = default;
};

struct Datos {
    std::optional<double> q{}; // empty: solve for the flow between P_start and P_end
    double densidad = 0;
    double viscosidad = 0;
    std::optional<double> psat{}; // bar a, for the NPSH only
    double pInicio = 0;           // bar a at the source's liquid surface, or the line's inlet
    std::optional<double> pFin{}; // bar a
    QList<Tramo> tramos{};
    std::optional<int> bombaTras{};     // the pump sits after this many segments
    std::optional<double> eficiencia{}; // 0 < eta <= 1
    std::optional<double> npshr{};      // m
    QList<PuntoCurva> curvaBomba{};     // empty, or two or more increasing flows
};

// Why a line has no result: the first fault found, in the order listed.
enum class Motivo {
    Ninguno,
    SinTramos,          // no segment
    DiametroNoValido,   // a segment's diameter missing, zero or negative
    LongitudNoValida,   // a segment's length missing, zero or negative
    RugosidadNoValida,  // negative, or 3,7 D or more (Colebrook has no root)
    DatoTramoNoValido,  // a rise, K or equipment drop not finite, or K or equipment negative
    CaudalNoValido,     // negative (or zero with a pump), or not finite
    DensidadNoValida,   // zero or negative
    ViscosidadNoValida, // zero or negative
    PresionNoValida,    // P_start or P_end zero or negative absolute
    FaltaPFin,          // no flow and no P_end, or a pump without P_end
    FaltaCaudal,        // a pump without a flow
    PsatNoValida,       // negative, or at or above P_start
    BombaNoValida,      // the pump after a segment the line does not have
    EficienciaNoValida, // outside (0, 1]
    NpshrNoValido,      // negative
    CurvaNoValida,      // fewer than two points, flows not increasing, or a negative value
    SinCaudal,          // solving for the flow: even no flow does not reach P_end
    FueraDeRango,       // a value left the range of a double
};

// One segment at a flow; drops in bar, pressures bar a.
struct EstadoTramo {
    double velocidad = 0; // m/s
    double re = 0;
    double f = 0; // 0 at no flow
    double dpFriccion = 0;
    double dpAccesorios = 0;
    double dpEstatica = 0;
    double dpEquipo = 0;
    double dpTotal = 0;
    double pEntrada = 0;
    double pSalida = 0;
};

struct Bomba {
    double pSuccion = 0;                   // bar a
    double pDescarga = 0;                  // bar a
    double dp = 0;                         // bar
    double tdh = 0;                        // m
    std::optional<double> npsha{};         // m, with P_sat
    std::optional<double> margen{};        // NPSHa - NPSHr, m, with both
    double potenciaHidraulica = 0;         // kW
    std::optional<double> potenciaEje{};   // kW, with an efficiency
    std::optional<PuntoCurva> operacion{}; // where the pump curve meets the system curve
};

struct Resultado {
    Motivo motivo = Motivo::Ninguno;
    int tramoFallido = -1; // 0-based segment of a segment fault
    double q = 0;          // m3/h, given or solved
    bool caudalResuelto = false;
    double dpFriccion = 0;
    double dpAccesorios = 0;
    double dpEstatica = 0;
    double dpEquipos = 0;
    double dpTotal = 0;
    double pFin = 0; // bar a: computed, or the one given with a pump
    QList<EstadoTramo> tramos{};
    std::optional<Bomba> bomba{};
    // Some node's pressure is at or below zero absolute (or below P_sat when it is given): the
    // line cannot run as computed.
    bool presionImposible = false;
    bool bajoPsat = false;

    bool valido() const { return motivo == Motivo::Ninguno; }
};

// Checks the data, then answers the question they ask: the pressure at the end, the flow
// between two pressures, or the pump.
Resultado calcular(const Datos &d);

// One segment at a flow (m3/h) and inlet pressure; nullopt when a value leaves the range of a
// double. The data are taken as checked.
std::optional<EstadoTramo> estadoTramo(const Tramo &t, double q, double densidad, double viscosidad,
                                       double pEntrada);

// The head (m) the line needs at flow q, for a pump line with design flow d.q: the static part
// from P_end - P_start and the rises, friction and fittings at q, equipment scaled by (q/Q)^2.
std::optional<double> alturaSistema(const Datos &d, double q);

// `puntos` + 1 points of the system curve from 0 to 1,5 Q (Q the design flow); empty when the
// data do not make a pump line or a value leaves the range.
QList<PuntoCurva> curvaSistema(const Datos &d, int puntos);

// The pump curve's head at q by straight lines; nullopt outside its flows.
std::optional<double> alturaBomba(const QList<PuntoCurva> &curva, double q);

// The first crossing of the pump curve with the system curve, from the pump curve's smallest
// flow up; nullopt when they do not meet.
std::optional<PuntoCurva> puntoOperacion(const Datos &d);

// Bounds of the searches; reaching one is reported, never looped past.
inline constexpr int kIteraciones = 200;
inline constexpr int kPasosCruce = 32; // sub-steps of each pump curve stretch when looking for
                                       // a crossing, so that two close crossings are not missed

} // namespace vorlo::linea
