#include "water_state.h"

#include "fields/numbers.h"
#include "water/if97.h"
#include "water/viscosity.h"

#include <cmath>

namespace vorlo::agua {

namespace {

constexpr double kCeroKelvin = 273.15;
constexpr double kBarPorMPa = 10;
// Below this a pressure in bar behaves as zero: the specific volume of steam, about 1/p,
// would overflow a double.
constexpr double kPresionMinima = 1e-300;

double kelvin(double tC) {
    return tC + kCeroKelvin;
}

double megapascales(double pBar) {
    return pBar / kBarPorMPa;
}

// Saturation temperature at p (K) where the saturation line of IF97 is defined.
std::optional<double> tsatKelvin(double p) {
    if (p < kPsatMin || p >= kPc)
        return std::nullopt;
    return temperaturaSaturacion(p);
}

} // namespace

std::optional<LimiteAgua> limiteAgua(double tC, double pBar) {
    if (!std::isfinite(tC) || !std::isfinite(pBar))
        return LimiteAgua::ValorNoFinito;
    // The formulation's own bounds (K, MPa), met exactly at 0, 800 and 2000 ºC.
    const double t = kelvin(tC);
    const double p = megapascales(pBar);
    if (t < kTmin)
        return LimiteAgua::TemperaturaBajoCero;
    if (t > kTmax)
        return LimiteAgua::TemperaturaSobre2000;
    if (pBar < kPresionMinima)
        return LimiteAgua::PresionNoPositiva;
    if (t <= kT25 && p > kPmax)
        return LimiteAgua::PresionSobre1000;
    if (t > kT25 && p > kPmax5)
        return LimiteAgua::PresionSobre500;
    return std::nullopt;
}

Fase faseAgua(double tC, double pBar) {
    const double t = kelvin(tC);
    const double p = megapascales(pBar);
    if (t >= kTc)
        return p >= kPc ? Fase::Supercritico : Fase::Vapor;
    if (p >= kPc)
        return Fase::Liquido;
    const std::optional<double> tsat = tsatKelvin(p);
    // Below the triple-point pressure there is no liquid at any temperature in range.
    return !tsat || t > *tsat ? Fase::Vapor : Fase::Liquido;
}

ResultadoAgua estadoAgua(double tC, double pBar) {
    if (const std::optional<LimiteAgua> limite = limiteAgua(tC, pBar))
        return *limite;
    const double t = kelvin(tC);
    const double p = megapascales(pBar);
    const Propiedades e = propiedades(t, p);
    EstadoAgua r;
    r.temperatura = tC;
    r.presion = pBar;
    r.region = region(t, p);
    r.fase = faseAgua(tC, pBar);
    r.densidad = e.densidad();
    r.volumenEspecifico = e.v;
    r.entalpia = e.h;
    r.entropia = e.s;
    r.cp = e.cp;
    r.velocidadSonido = e.w;
    r.viscosidadDinamica = viscosidad(r.densidad, t);
    r.viscosidadCinematica = r.viscosidadDinamica / r.densidad;
    if (const std::optional<double> tsat = tsatKelvin(p))
        r.temperaturaSaturacion = *tsat - kCeroKelvin;
    if (t < kTc)
        r.presionSaturacion = presionSaturacion(t) * kBarPorMPa;
    return r;
}

TextoBilingue mensajeLimite(LimiteAgua limite) {
    switch (limite) {
    case LimiteAgua::ValorNoFinito:
        return {QStringLiteral("La temperatura o la presión no es un número finito"),
                QStringLiteral("The temperature or the pressure is not a finite number")};
    case LimiteAgua::TemperaturaBajoCero:
        return {QStringLiteral("La temperatura está por debajo de 0 ºC, el límite inferior de "
                               "IAPWS-IF97"),
                QStringLiteral("The temperature is below 0 ºC, the lower limit of IAPWS-IF97")};
    case LimiteAgua::TemperaturaSobre2000:
        return {QStringLiteral("La temperatura está por encima de 2000 ºC, el límite superior de "
                               "IAPWS-IF97"),
                QStringLiteral("The temperature is above 2000 ºC, the upper limit of IAPWS-IF97")};
    case LimiteAgua::PresionNoPositiva:
        return {QStringLiteral("La presión absoluta debe ser mayor que 0 bar"),
                QStringLiteral("The absolute pressure must be above 0 bar")};
    case LimiteAgua::PresionSobre1000:
        return {QStringLiteral("La presión está por encima de 1000 bar, el límite de IAPWS-IF97 "
                               "hasta 800 ºC"),
                QStringLiteral("The pressure is above 1000 bar, the limit of IAPWS-IF97 up to "
                               "800 ºC")};
    case LimiteAgua::PresionSobre500:
        return {QStringLiteral("La presión está por encima de 500 bar, el límite de IAPWS-IF97 "
                               "por encima de 800 ºC"),
                QStringLiteral("The pressure is above 500 bar, the limit of IAPWS-IF97 above "
                               "800 ºC")};
    }
    return {};
}

const TextoBilingue &nombreFase(Fase fase) {
    static const TextoBilingue liquido{QStringLiteral("Líquido"), QStringLiteral("Liquid")};
    static const TextoBilingue vapor{QStringLiteral("Vapor"), QStringLiteral("Steam")};
    static const TextoBilingue supercritico{QStringLiteral("Supercrítico"),
                                            QStringLiteral("Supercritical")};
    switch (fase) {
    case Fase::Vapor:
        return vapor;
    case Fase::Supercritico:
        return supercritico;
    case Fase::Liquido:
        break;
    }
    return liquido;
}

std::optional<AvisoSaturacion> avisoSaturacion(const EstadoAgua &estado) {
    if (!estado.temperaturaSaturacion || estado.fase == Fase::Supercritico)
        return std::nullopt;
    const double tsat = *estado.temperaturaSaturacion;
    const double distancia = std::abs(estado.temperatura - tsat);
    if (!(distancia < 1))
        return std::nullopt;
    AvisoSaturacion aviso;
    aviso.fase = estado.fase;
    aviso.distancia = distancia;
    aviso.temperaturaSaturacion = tsat;
    // The window's number format in both languages, like the fields beside the note.
    const QString k = formatoSignificativo(distancia, 2).value_or(QString());
    const QString ts = formatoSignificativo(tsat, 6).value_or(QString());
    if (estado.fase == Fase::Liquido)
        aviso.mensaje = {
            QStringLiteral("Líquido a %1 K por debajo de la saturación (%2 ºC a esta presión): "
                           "puede vaporizarse")
                .arg(k, ts),
            QStringLiteral("Liquid %1 K below saturation (%2 ºC at this pressure): it may flash")
                .arg(k, ts)};
    else
        aviso.mensaje = {
            QStringLiteral("Vapor a %1 K por encima de la saturación (%2 ºC a esta presión): "
                           "puede condensar")
                .arg(k, ts),
            QStringLiteral("Steam %1 K above saturation (%2 ºC at this pressure): it may condense")
                .arg(k, ts)};
    return aviso;
}

} // namespace vorlo::agua
