#include "gas_state.h"

#include "fields/input_checks.h"
#include "fields/numbers.h"

#include <array>
#include <cmath>

namespace vorlo::gas {

QStringList campos() {
    return tabla().todos();
}

QStringList temperaturas() {
    return tabla().nombres([](const Campo &c) { return c.unidad == QStringLiteral("ºC"); });
}

QString textoInicial(const QString &campo) {
    if (campo == Pref || campo == P_paraQ)
        return QStringLiteral("1,01325");
    if (campo == Zref || campo == Zproceso || campo == Z_paraQ)
        return QStringLiteral("1");
    return {};
}

std::optional<Requisito> requisito(const QString &campo) {
    if (!tabla().campo(campo))
        return std::nullopt;
    // Temperatures in ºC may be negative (each step has its own lower bound); the rest cannot.
    // Asked for every read of a pass: the list is made once.
    static const QStringList enGrados = temperaturas();
    return enGrados.contains(campo) ? Requisito::Cualquiera : Requisito::Positivo;
}

} // namespace vorlo::gas

namespace vorlo {

using namespace gas;

namespace {

// The real-gas law at a fixed mass: density goes with P / (Z·T) and volumetric flow with
// Z·T / P, T absolute. Each formula below multiplies and divides in the bracketed order, which
// is part of its result's last digit.

// ºC to K: the temperatures are typed in ºC, the law needs them absolute.
constexpr double kKelvin = 273.15;
// The density step needs a process temperature above -273 ºC: that bound, not absolute zero,
// is the one the calculation has, so -273,1 gives no density.
constexpr double kMinimoTemperaturaDensidad = -273;
// The normalised flow needs a flow reference temperature below one million ºC.
constexpr double kMaximoTemperaturaParaQ = 1000000;

// Decimals each result is shown with. A later step reads the shown, rounded text (the mass flow
// is the product of the two shown values), so these are part of the results that follow.
constexpr int kDecimalesDensidad = 3;
constexpr int kDecimalesCaudalMasico = 3;
constexpr int kDecimalesCaudalProceso = 2;
constexpr int kDecimalesCaudalNormalizado = 3;

// The values of the named fields, or nullopt when one is empty or not a number: the step that
// needs them is skipped.
template <std::size_t N>
std::optional<std::array<double, N>> leer(const CamposTexto &c,
                                          const std::array<QString, N> &nombres) {
    std::array<double, N> v{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto x = c.valor(nombres[i]);
        if (!x)
            return std::nullopt;
        v[i] = *x;
    }
    return v;
}

// A result whose step cannot run goes with its inputs, unless the user typed it.
void vaciar(CamposTexto &c, const QString &campo) {
    if (c.calculado(campo))
        c.escribir(campo, QString());
}

// Writes a result; one that cannot be shown (a zero divisor or an overflow on the way) goes.
void escribirResultado(CamposTexto &c, const QString &campo, double x, int decimales) {
    const auto t = std::isfinite(x) ? formatoFijo(x, decimales) : std::nullopt;
    if (t)
        c.escribirValor(campo, x, *t);
    else
        vaciar(c, campo);
}

// Density at process conditions from the density at its reference conditions.
void densidadProceso(CamposTexto &c) {
    const auto v = leer<7>(c, {Zref, Pproceso, tref, dref, Zproceso, Pref, tproceso});
    if (!v || !((*v)[2] > kCeroAbsoluto) || !((*v)[6] > kMinimoTemperaturaDensidad))
        return vaciar(c, dproceso);
    const auto [zRef, pProc, tRef, dRef, zProc, pRef, tProc] = *v;
    const double d =
        (((zRef * pProc) * (tRef + kKelvin)) * dRef) / ((tProc + kKelvin) * (pRef * zProc));
    escribirResultado(c, dproceso, d, kDecimalesDensidad);
}

// Mass flow in kg/h: the flow at process conditions times the process density, as shown. No sign
// or range test.
void caudalMasico(CamposTexto &c) {
    const auto v = leer<2>(c, {Qproceso, dproceso});
    if (!v)
        return vaciar(c, Qprocesomasico);
    escribirResultado(c, Qprocesomasico, (*v)[0] * (*v)[1], kDecimalesCaudalMasico);
}

// Mode 1: the flow at process conditions from the normalised flow.
void caudalProceso(CamposTexto &c) {
    const auto v = leer<7>(c, {Zproceso, Qnormales, tproceso, P_paraQ, Z_paraQ, Pproceso, T_paraQ});
    if (!v)
        return vaciar(c, Qproceso);
    const auto [zProc, qN, tProc, pQ, zQ, pProc, tQ] = *v;
    const double q = (((zProc * qN) * (tProc + kKelvin)) * pQ) / ((tQ + kKelvin) * (pProc * zQ));
    escribirResultado(c, Qproceso, q, kDecimalesCaudalProceso);
}

// Mode 2: the normalised flow from the flow at process conditions.
void caudalNormalizado(CamposTexto &c) {
    const auto v = leer<7>(c, {Zproceso, Qproceso, tproceso, P_paraQ, Z_paraQ, Pproceso, T_paraQ});
    if (!v || !((*v)[6] > kCeroAbsoluto) || !((*v)[6] < kMaximoTemperaturaParaQ))
        return vaciar(c, Qnormales);
    const auto [zProc, qP, tProc, pQ, zQ, pProc, tQ] = *v;
    const double q = (((zQ * qP) * (tQ + kKelvin)) * pProc) / ((tProc + kKelvin) * (zProc * pQ));
    escribirResultado(c, Qnormales, q, kDecimalesCaudalNormalizado);
}

} // namespace

void Calcular(CamposTexto &campos, int modo) {
    // Inputs the pass cannot take count as absent, and so empty every result built on them.
    CamposValidos c(campos, gas::requisito);
    // Every step reads its operands afresh, so a later step works with the rounded texts an
    // earlier one wrote.
    densidadProceso(c);
    caudalMasico(c);
    if (modo == kModoNormalizado) {
        // The mass flow follows the new flow.
        caudalProceso(c);
        caudalMasico(c);
    } else if (modo == kModoProceso) {
        caudalNormalizado(c);
    }
}

} // namespace vorlo
