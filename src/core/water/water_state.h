#pragma once

#include "fields/language.h"

#include <QString>
#include <optional>
#include <variant>

// The state of water or steam at a temperature in ºC and an absolute pressure in bar, as the
// water window and `vorlo water` show it: IAPWS-IF97 properties (water/if97.h) and the IAPWS
// 2008 viscosity (water/viscosity.h).
namespace vorlo::agua {

enum class Fase { Liquido, Vapor, Supercritico };

// Why a state has no numbers: the first limit of the range it breaks, checked in this order.
enum class LimiteAgua {
    ValorNoFinito,        // the temperature or the pressure is not a finite number
    TemperaturaBajoCero,  // below 0 ºC
    TemperaturaSobre2000, // above 2000 ºC
    PresionNoPositiva,    // 0 bar or less (or below 1e-300 bar, where volumes overflow)
    PresionSobre1000,     // above 1000 bar, up to 800 ºC
    PresionSobre500,      // above 500 bar, above 800 ºC
};

struct EstadoAgua {
    double temperatura = 0; // ºC, as given
    double presion = 0;     // bar a, as given
    int region = 0;         // IAPWS-IF97 region: 1, 2, 3 or 5
    Fase fase = Fase::Liquido;
    double densidad = 0;             // kg/m3
    double volumenEspecifico = 0;    // m3/kg
    double entalpia = 0;             // kJ/kg
    double entropia = 0;             // kJ/(kg K)
    double cp = 0;                   // kJ/(kg K)
    double velocidadSonido = 0;      // m/s
    double viscosidadDinamica = 0;   // Pa s
    double viscosidadCinematica = 0; // m2/s
    // At the pressure, below the critical 220,64 bar and from the triple-point pressure
    // (0,00611213 bar) up, where the saturation line of IAPWS-IF97 is defined; ºC.
    std::optional<double> temperaturaSaturacion;
    // At the temperature, below the critical 373,946 ºC; bar a.
    std::optional<double> presionSaturacion;
};

using ResultadoAgua = std::variant<EstadoAgua, LimiteAgua>;

// The state at tC ºC and pBar bar a, or the limit of the range it breaks: 0 to 800 ºC up to
// 1000 bar, above 800 up to 2000 ºC up to 500 bar, and always above 0 bar.
ResultadoAgua estadoAgua(double tC, double pBar);

// The limit a (tC, pBar) breaks, or nullopt when it is in range.
std::optional<LimiteAgua> limiteAgua(double tC, double pBar);

// The phase by temperature and pressure alone: supercritical at T >= 373,946 ºC and
// P >= 220,64 bar; steam above the saturation temperature at P, or at T >= 373,946 ºC below
// 220,64 bar; liquid otherwise.
Fase faseAgua(double tC, double pBar);

// The message of a limit, naming it, in Spanish and English.
TextoBilingue mensajeLimite(LimiteAgua limite);

// "Líquido"/"Liquid", "Vapor"/"Steam", "Supercrítico"/"Supercritical".
const TextoBilingue &nombreFase(Fase fase);

// A state within 1 K of saturation: a liquid that may flash or a steam that may condense.
struct AvisoSaturacion {
    Fase fase = Fase::Liquido;        // Liquido or Vapor
    double distancia = 0;             // |T - Tsat(P)|, K
    double temperaturaSaturacion = 0; // ºC
    TextoBilingue mensaje;            // says which and how far, numbers as the window writes them
};

// Whether the state lies within 1 K of saturation (|T - Tsat(P)| < 1 K, P below the critical
// pressure); nullopt otherwise.
std::optional<AvisoSaturacion> avisoSaturacion(const EstadoAgua &estado);

} // namespace vorlo::agua
