#include "water_warnings.h"

#include "fields/numbers.h"
#include "water/if97.h"

#include <cmath>

namespace vorlo::agua {

namespace {

constexpr double kCeroKelvin = 273.15;
constexpr double kBarPorMPa = 10;
// Closer than this to saturation the two phases are one state for the user: T and p alone
// cannot tell them apart.
constexpr double kEnSaturacion = 0.01; // K

bool cercaDelCritico(const EstadoAgua &e) {
    const double t = e.temperatura + kCeroKelvin;
    const double pc = kPc * kBarPorMPa;
    return std::abs(t - kTc) <= kFraccionCritica * kTc &&
           std::abs(e.presion - pc) <= kFraccionCritica * pc;
}

TextoBilingue avisoCritico() {
    return {QStringLiteral("Cerca del punto crítico (373,946 ºC, 220,64 bar): la región 3 de "
                           "IF97 es aquí la menos fiable, y sus propiedades (cp sobre todo) "
                           "pueden apartarse mucho de IAPWS-95"),
            QStringLiteral("Near the critical point (373,946 ºC, 220,64 bar): IF97's region 3 is "
                           "least reliable here, and its properties (cp above all) may differ "
                           "widely from IAPWS-95")};
}

TextoBilingue avisoSaturacionTexto(const AvisoSaturacion &a, const FormatoNumero &numero) {
    const QString ts = numero(a.temperaturaSaturacion, 6);
    const bool liquido = a.fase == Fase::Liquido;
    if (a.distancia < kEnSaturacion)
        return {QStringLiteral("En la saturación (%1 ºC a esta presión): una temperatura y una "
                               "presión no fijan un estado bifásico; se ha tomado %2")
                    .arg(ts, liquido ? QStringLiteral("el líquido") : QStringLiteral("el vapor")),
                QStringLiteral("At saturation (%1 ºC at this pressure): a temperature and a "
                               "pressure alone cannot fix a two-phase state; the %2 was taken")
                    .arg(ts, liquido ? QStringLiteral("liquid") : QStringLiteral("steam"))};
    const QString k = numero(a.distancia, 2);
    if (liquido)
        return {QStringLiteral("Líquido a %1 K por debajo de la saturación (%2 ºC a esta "
                               "presión): puede vaporizarse")
                    .arg(k, ts),
                QStringLiteral("Liquid %1 K below saturation (%2 ºC at this pressure): it may "
                               "flash")
                    .arg(k, ts)};
    return {QStringLiteral("Vapor a %1 K por encima de la saturación (%2 ºC a esta presión): "
                           "puede condensar")
                .arg(k, ts),
            QStringLiteral("Steam %1 K above saturation (%2 ºC at this pressure): it may condense")
                .arg(k, ts)};
}

} // namespace

QString numeroVentana(double x, int cifras) {
    return formatoSignificativo(x, cifras).value_or(QString());
}

QList<TextoBilingue> avisosAgua(const EstadoAgua &estado, const FormatoNumero &numero) {
    QList<TextoBilingue> avisos;
    if (cercaDelCritico(estado))
        avisos << avisoCritico();
    if (const auto s = avisoSaturacion(estado))
        avisos << avisoSaturacionTexto(*s, numero);
    if (estado.temperatura > kViscosidadMaxima)
        avisos << TextoBilingue{
            QStringLiteral("La viscosidad está extrapolada por encima de 900 ºC: IAPWS 2008 la "
                           "define hasta 900 ºC"),
            QStringLiteral("The viscosity is extrapolated above 900 ºC: IAPWS 2008 defines it up "
                           "to 900 ºC")};
    return avisos;
}

} // namespace vorlo::agua
