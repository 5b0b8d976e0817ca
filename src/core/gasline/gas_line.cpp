#include "gas_line.h"

#include <cmath>
#include <numbers>

namespace vorlo::lineagas {

namespace {

// The Newton iterations below move monotonically towards their root and stop when a step no
// longer makes progress; this only bounds a slow approach to a double root.
constexpr int kIteracionesNewton = 400;
// First guess of f for the iterations that find it from the flow.
constexpr double kFriccionInicial = 0.02;

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

Motivo validar(const Linea &l) {
    if (!positivo(l.p1))
        return Motivo::P1NoValida;
    if (!positivo(l.densidad1))
        return Motivo::DensidadNoValida;
    if (!positivo(l.dint))
        return Motivo::DiametroNoValido;
    if (!positivo(l.longitud))
        return Motivo::LongitudNoValida;
    return Motivo::Ninguno;
}

double area(const Linea &l) {
    return std::numbers::pi * l.dint * l.dint / 4;
}

// sqrt(rho1 P1): the mass flux at which the inlet velocity reaches the limit velocity. Taken as
// a product of roots so that it does not overflow before the flux itself would.
double flujoReferencia(const Linea &l) {
    return std::sqrt(l.densidad1) * std::sqrt(l.p1);
}

std::optional<double> reynolds(const Linea &l, double masico) {
    if (!l.viscosidad || !positivo(*l.viscosidad))
        return std::nullopt;
    const double re = 4 * masico / (std::numbers::pi * l.dint * *l.viscosidad);
    return std::isfinite(re) ? std::optional<double>(re) : std::nullopt;
}

struct FriccionHallada {
    double f = 0;
    Motivo motivo = Motivo::Ninguno;
};

// f for a flow: the given number, or the function at that flow's Reynolds number.
FriccionHallada friccionPara(const Linea &l, const Friccion &friccion, double masico) {
    if (const double *dada = std::get_if<double>(&friccion)) {
        if (!positivo(*dada))
            return {0, Motivo::FriccionNoValida};
        return {*dada, Motivo::Ninguno};
    }
    const auto re = reynolds(l, masico);
    if (!re)
        return {0, Motivo::ViscosidadNoValida};
    const auto &funcion = std::get<FuncionFriccion>(friccion);
    const std::optional<double> f = funcion ? funcion(*re) : std::nullopt;
    if (!f || !positivo(*f))
        return {0, Motivo::FriccionNoValida};
    return {*f, Motivo::Ninguno};
}

// psi(t) = t - ln(1 + t), t > -1. By its series for small |t|, where the difference would
// lose the leading digits.
double psi(double t) {
    if (std::fabs(t) < 0.25) {
        double termino = t * t; // t^k, from k = 2
        double suma = 0;
        for (int k = 2; k < 80; ++k) {
            const double sumando = (k % 2 == 0 ? termino : -termino) / k;
            suma += sumando;
            if (std::fabs(sumando) <= 1e-18 * std::fabs(suma))
                break;
            termino *= t;
        }
        return suma;
    }
    return t - std::log1p(t);
}

// The t > 0 with psi(t) = K, for K > 0 finite. The choking condition of an isothermal line is
// f L / D = 1/g - 1 + ln g with g = 1 / (1 + t) the square of the inlet-to-limit velocity
// ratio. psi is increasing and convex for t > 0, so Newton from an upper bound descends to the
// root without overshooting it. psi(t) >= t^2 / (2 (1 + t)) gives the bound.
double resolverPsi(double k) {
    double t = k + std::sqrt(k) * std::sqrt(k + 2);
    for (int i = 0; i < kIteracionesNewton; ++i) {
        const double valor = psi(t) - k;
        if (!(valor > 0))
            break;
        const double siguiente = t - valor * (1 + t) / t;
        if (!(siguiente < t) || !(siguiente > 0))
            break;
        t = siguiente;
    }
    return t;
}

// The relative drop y = (P1 - P2) / P1 for g = (G / sqrt(rho1 P1))^2 and k = f L / D, from
//   h(y) = y (2 - y) - g k + 2 g ln(1 - y) = 0
// on [0, 1 - sqrt(g)], where h rises from -g k to its peak (the choking point). h is concave,
// so Newton from y = 0 climbs to the root without passing it. Needs 0 <= g < 1 and a root in
// that interval (the caller checked that the line is not choked).
double resolverCaida(double g, double k) {
    const double yMaxima = 1 - std::sqrt(g);
    double y = 0;
    for (int i = 0; i < kIteracionesNewton; ++i) {
        const double h = y * (2 - y) - g * k + 2 * g * std::log1p(-y);
        if (!(h < 0))
            break;
        const double derivada = 2 - 2 * y - 2 * g / (1 - y);
        if (!(derivada > 0))
            break;
        double siguiente = y - h / derivada;
        if (siguiente > yMaxima)
            siguiente = yMaxima;
        if (!(siguiente > y))
            break;
        y = siguiente;
    }
    return y;
}

// True when a flux ratio m = G / sqrt(rho1 P1) cannot pass a line of resistance k: the peak of
// h above is below zero, i.e. psi(1/g - 1) < k, or the inlet is already at the limit.
bool ahogadaConFlujo(double m, double k) {
    if (!(m < 1))
        return true;
    const double g = m * m;
    if (g == 0)
        return false;
    const double t = 1 / g - 1;
    if (!std::isfinite(t))
        return false;
    return psi(t) < k;
}

// Mass flux ratio m = G / sqrt(rho1 P1) through a line of resistance k with relative drop y,
// straight from the flow equation.
double flujoConCaida(double y, double x, double k) {
    // ln(P1 / P2) without the cancellation of log(x) near 1.
    const double lnRazon = y < 0.5 ? -std::log1p(-y) : -std::log(x);
    return std::sqrt(y * (2 - y) / (k + 2 * lnRazon));
}

double resistencia(const Linea &l, double f) {
    return f * l.longitud / l.dint;
}

bool convergido(double anterior, double nuevo) {
    return std::fabs(nuevo - anterior) <= kToleranciaCaudal * std::fabs(nuevo);
}

// Largest flux ratio for a resistance k: sqrt(g) at the choking point.
double flujoMaximo(double k) {
    if (k == 0)
        return 1;
    return std::sqrt(1 / (1 + resolverPsi(k)));
}

} // namespace

std::optional<double> velocidadLimite(double p1, double densidad1) {
    if (!positivo(p1) || !positivo(densidad1))
        return std::nullopt;
    const double v = std::sqrt(p1) / std::sqrt(densidad1);
    return positivo(v) ? std::optional<double>(v) : std::nullopt;
}

Limite limiteAhogo(const Linea &linea, const Friccion &friccion) {
    if (const Motivo m = validar(linea); m != Motivo::Ninguno)
        return {std::nullopt, m};
    const double a = area(linea);
    const double referencia = flujoReferencia(linea);
    const double escala = a * referencia; // kg/s at the inlet limit
    if (!positivo(escala))
        return {std::nullopt, Motivo::FueraDeRango};

    auto ahogo = [&](double f) -> Limite {
        const double k = resistencia(linea, f);
        if (!std::isfinite(k))
            return {std::nullopt, Motivo::FueraDeRango};
        const double m = flujoMaximo(k);
        const Ahogo r{escala * m, linea.p1 * m, f};
        if (!positivo(r.masicoMaximo) || !positivo(r.p2Ahogo))
            return {std::nullopt, Motivo::FueraDeRango};
        return {r, Motivo::Ninguno};
    };

    if (const double *dada = std::get_if<double>(&friccion)) {
        if (!positivo(*dada))
            return {std::nullopt, Motivo::FriccionNoValida};
        return ahogo(*dada);
    }
    // The largest flow sets Re, Re sets f, f sets the largest flow. A larger flow lowers f and
    // raises the limit only slowly, so the iteration contracts.
    Limite actual = ahogo(kFriccionInicial);
    for (int i = 0; i < kIteracionesCaudal; ++i) {
        if (!actual.ahogo)
            return actual;
        const FriccionHallada f = friccionPara(linea, friccion, actual.ahogo->masicoMaximo);
        if (f.motivo != Motivo::Ninguno)
            return {std::nullopt, f.motivo};
        const Limite siguiente = ahogo(f.f);
        if (!siguiente.ahogo)
            return siguiente;
        if (convergido(actual.ahogo->masicoMaximo, siguiente.ahogo->masicoMaximo))
            return siguiente;
        actual = siguiente;
    }
    return {std::nullopt, Motivo::SinConvergencia};
}

namespace {

Solucion ahogada(const Linea &linea, const Friccion &friccion) {
    Solucion s;
    s.motivo = Motivo::Ahogada;
    s.ahogo = limiteAhogo(linea, friccion).ahogo;
    return s;
}

// Velocities and checks common to both directions.
Solucion completar(const Linea &linea, double masico, double p2, double caida, double f) {
    Estado e;
    e.masico = masico;
    e.p2 = p2;
    e.caida = caida;
    e.f = f;
    e.re = reynolds(linea, masico);
    e.v1 = masico / area(linea) / linea.densidad1;
    e.v2 = e.v1 * (linea.p1 / p2);
    e.vLimite = velocidadLimite(linea.p1, linea.densidad1).value_or(0);
    for (double v : {e.masico, e.p2, e.f, e.v1, e.v2, e.vLimite})
        if (!positivo(v))
            return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
    if (!std::isfinite(e.caida) || e.caida < 0)
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
    return {e, Motivo::Ninguno, std::nullopt};
}

} // namespace

std::optional<Estado> estadoAhogado(const Linea &linea, const Ahogo &ahogo) {
    if (validar(linea) != Motivo::Ninguno)
        return std::nullopt;
    return completar(linea, ahogo.masicoMaximo, ahogo.p2Ahogo, linea.p1 - ahogo.p2Ahogo, ahogo.f)
        .estado;
}

Solucion resolverP2(const Linea &linea, const Friccion &friccion, double masico) {
    if (const Motivo m = validar(linea); m != Motivo::Ninguno)
        return {std::nullopt, m, std::nullopt};
    if (!positivo(masico))
        return {std::nullopt, Motivo::CaudalNoValido, std::nullopt};
    const double flujo = masico / area(linea);
    if (!positivo(flujo))
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
    const double m = flujo / flujoReferencia(linea);
    if (!std::isfinite(m))
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};

    const FriccionHallada f = friccionPara(linea, friccion, masico);
    if (f.motivo != Motivo::Ninguno)
        return {std::nullopt, f.motivo, std::nullopt};
    const double k = resistencia(linea, f.f);
    if (!std::isfinite(k))
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
    if (ahogadaConFlujo(m, k))
        return ahogada(linea, friccion);

    const double y = resolverCaida(m * m, k);
    return completar(linea, masico, linea.p1 * (1 - y), linea.p1 * y, f.f);
}

Solucion resolverMasico(const Linea &linea, const Friccion &friccion, double p2) {
    if (const Motivo m = validar(linea); m != Motivo::Ninguno)
        return {std::nullopt, m, std::nullopt};
    if (!positivo(p2))
        return {std::nullopt, Motivo::P2NoValida, std::nullopt};
    if (!(p2 < linea.p1))
        return {std::nullopt, Motivo::P2NoMenorQueP1, std::nullopt};
    const double caida = linea.p1 - p2;
    const double y = caida / linea.p1;
    const double x = p2 / linea.p1;
    const double escala = area(linea) * flujoReferencia(linea);
    if (!positivo(escala) || !positivo(y) || !positivo(x))
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};

    auto flujo = [&](double f) { return flujoConCaida(y, x, resistencia(linea, f)); };
    double f = 0;
    double m = 0;
    if (const double *dada = std::get_if<double>(&friccion)) {
        if (!positivo(*dada))
            return {std::nullopt, Motivo::FriccionNoValida, std::nullopt};
        f = *dada;
        m = flujo(f);
    } else {
        // flow -> Re -> f -> flow. The flow goes as f^-1/2 at most and f changes slowly with
        // Re, so each step shrinks the error several times over.
        m = flujo(kFriccionInicial);
        bool asentado = false;
        for (int i = 0; i < kIteracionesCaudal && !asentado; ++i) {
            if (!positivo(m))
                return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
            const FriccionHallada hallada = friccionPara(linea, friccion, escala * m);
            if (hallada.motivo != Motivo::Ninguno)
                return {std::nullopt, hallada.motivo, std::nullopt};
            f = hallada.f;
            const double siguiente = flujo(f);
            asentado = convergido(m, siguiente);
            m = siguiente;
        }
        if (!asentado)
            return {std::nullopt, Motivo::SinConvergencia, std::nullopt};
    }
    if (!positivo(m))
        return {std::nullopt, Motivo::FueraDeRango, std::nullopt};
    // Past the choking pressure the equation's flow falls again, but that branch needs an
    // outlet velocity above the limit: the line is choked instead.
    if (m > x)
        return ahogada(linea, friccion);
    return completar(linea, escala * m, p2, caida, f);
}

} // namespace vorlo::lineagas
