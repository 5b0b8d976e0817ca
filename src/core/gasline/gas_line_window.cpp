#include "gas_line_window.h"

#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "gasline/gas_line_fields.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlo::lineagas {

namespace {

constexpr double kPaPorBar = 1e5;
constexpr double kMmPorM = 1000;
constexpr double kSegundosPorHora = 3600;

// The inputs in SI units. A value that is present but cannot be used (not positive, or out of
// range once converted) is dropped and marks the note.
struct DatosSI {
    std::optional<double> p1, densidad1, dint, rugosidadMm, viscosidad, longitud;
    std::optional<double> masico, p2, f, gamma;
    bool noValido = false;

    std::optional<double> positivo(std::optional<double> v, double factor, double divisor) {
        if (!v)
            return std::nullopt;
        const double x = *v * factor / divisor;
        if (std::isfinite(x) && x > 0)
            return x;
        noValido = true;
        return std::nullopt;
    }
};

DatosSI aSI(const Entradas &e) {
    DatosSI d;
    d.p1 = d.positivo(e.p1Bar, kPaPorBar, 1);
    d.densidad1 = d.positivo(e.densidad1, 1, 1);
    d.dint = d.positivo(e.dintMm, 1, kMmPorM);
    d.viscosidad = d.positivo(e.viscosidad, 1, 1);
    d.longitud = d.positivo(e.longitud, 1, 1);
    if (e.rugosidadMm) {
        // A smooth pipe has no roughness at all.
        if (std::isfinite(*e.rugosidadMm) && *e.rugosidadMm >= 0)
            d.rugosidadMm = e.rugosidadMm;
        else
            d.noValido = true;
    }
    if (e.calcularP2)
        d.masico = d.positivo(e.masicoKgH, 1, kSegundosPorHora);
    else
        d.p2 = d.positivo(e.p2Bar, kPaPorBar, 1);
    if (e.friccionDada)
        d.f = d.positivo(e.f, 1, 1);
    d.gamma = e.gamma ? d.positivo(e.gamma, 1, 1) : limites::kGammaDefecto;
    return d;
}

std::optional<double> finito(double x) {
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

Nota notaDeFallo(Motivo m) {
    switch (m) {
    case Motivo::FriccionNoValida:
        return Nota::SinFriccion;
    case Motivo::P2NoMenorQueP1:
        return Nota::P2NoMenorQueP1;
    case Motivo::SinConvergencia:
    case Motivo::FueraDeRango:
    case Motivo::Ahogada: // without a limit to show
        return Nota::SinSolucion;
    default:
        return Nota::DatoNoValido;
    }
}

} // namespace

namespace {

namespace c = campos;

// One calculation of the window: its inputs in SI, the friction factor and what is found.
struct Calculo {
    const Entradas &e;
    DatosSI d;
    std::optional<Friccion> friccion;
    Salidas s;
    std::optional<Nota> fallo;
    std::optional<Solucion> solucion;

    // The SI value behind a field, as the dependency table names it.
    bool tiene(const QString &campo) const {
        if (campo == c::P1Linea)
            return d.p1.has_value();
        if (campo == c::Densidad1)
            return d.densidad1.has_value();
        if (campo == c::DLinea)
            return d.dint.has_value();
        if (campo == c::RugLinea)
            return d.rugosidadMm.has_value();
        if (campo == c::ViscLinea)
            return d.viscosidad.has_value();
        if (campo == c::LLinea)
            return d.longitud.has_value();
        if (campo == c::MasicoLinea)
            return d.masico.has_value();
        if (campo == c::P2Linea)
            return d.p2.has_value();
        if (campo == c::GammaLinea)
            return d.gamma.has_value();
        return campo == c::fLinea && d.f.has_value();
    }
    // Whether every input a result needs in this mode is there: the table the window's
    // highlight shows is the rule the calculation follows.
    bool puede(const QString &resultado) const {
        const QStringList n = c::necesarios(resultado, e.calcularP2, e.friccionDada);
        return std::all_of(n.begin(), n.end(), [this](const QString &x) { return tiene(x); });
    }
    Linea linea() const { return Linea{*d.p1, *d.densidad1, *d.dint, *d.longitud, d.viscosidad}; }
};

// The friction factor: the number given, or Colebrook (which needs Re, hence mu).
std::optional<Friccion> friccionDe(const Calculo &x, const FuncionColebrook &colebrook) {
    if (x.e.friccionDada)
        return x.d.f ? std::optional<Friccion>(*x.d.f) : std::nullopt;
    if (!x.tiene(c::RugLinea) || !x.tiene(c::DLinea) || !x.tiene(c::ViscLinea) || !colebrook)
        return std::nullopt;
    const double rugosidad = *x.d.rugosidadMm;
    const double dintMm = *x.e.dintMm;
    return FuncionFriccion(
        [colebrook, rugosidad, dintMm](double re) { return colebrook(rugosidad, dintMm, re); });
}

// Solving for P2, what the flow alone fixes is shown even before the line can be solved.
void resultadosDelCaudal(Calculo &x) {
    const double a = std::numbers::pi * *x.d.dint * *x.d.dint / 4;
    if (x.puede(c::V1Linea))
        x.s.v1 = finito(*x.d.masico / a / *x.d.densidad1);
    if (!x.puede(c::ReLinea))
        return;
    x.s.re = finito(4 * *x.d.masico / (std::numbers::pi * *x.d.dint * *x.d.viscosidad));
    if (!x.s.re || !x.friccion || x.e.friccionDada)
        return;
    const auto f = std::get<FuncionFriccion>(*x.friccion)(*x.s.re);
    if (f && std::isfinite(*f) && *f > 0)
        x.s.f = f;
    else
        x.fallo = Nota::SinFriccion;
}

void resolverParaP2(Calculo &x) {
    if (x.d.masico && x.d.dint)
        resultadosDelCaudal(x);
    if (x.puede(c::P2Linea) && x.friccion && !x.fallo)
        x.solucion = resolverP2(x.linea(), *x.friccion, *x.d.masico);
    if (!x.solucion || !x.solucion->estado)
        return;
    const Estado &r = *x.solucion->estado;
    x.s.p2Bar = r.p2 / kPaPorBar;
    x.s.caidaBar = r.caida / kPaPorBar;
    x.s.caidaPorcentaje = 100 * r.caida / *x.d.p1;
    x.s.v2 = r.v2;
}

void resolverParaCaudal(Calculo &x) {
    // The drop is the difference of the two pressures given.
    if (x.puede(c::DeltaPLinea)) {
        if (*x.d.p2 < *x.d.p1) {
            x.s.caidaBar = (*x.d.p1 - *x.d.p2) / kPaPorBar;
            x.s.caidaPorcentaje = 100 * (*x.d.p1 - *x.d.p2) / *x.d.p1;
        } else {
            x.fallo = Nota::P2NoMenorQueP1;
        }
    }
    if (x.puede(c::MasicoLinea) && x.friccion && !x.fallo)
        x.solucion = resolverMasico(x.linea(), *x.friccion, *x.d.p2);
    if (!x.solucion)
        return;
    std::optional<Estado> r = x.solucion->estado;
    if (x.solucion->motivo == Motivo::Ahogada) {
        // The line cannot reach the P2 given: it carries its largest flow, and its own drop
        // ends at the choking pressure.
        x.s.caidaBar.reset();
        x.s.caidaPorcentaje.reset();
        if (x.solucion->ahogo)
            r = estadoAhogado(x.linea(), *x.solucion->ahogo);
    }
    if (!r)
        return;
    x.s.masicoKgH = r->masico * kSegundosPorHora;
    x.s.caidaBar = r->caida / kPaPorBar;
    x.s.caidaPorcentaje = 100 * r->caida / *x.d.p1;
    x.s.v1 = r->v1;
    x.s.v2 = r->v2;
    x.s.re = r->re;
    if (!x.e.friccionDada)
        x.s.f = r->f;
}

// A line that has no solution: choked, with its largest flow and choking pressure, or why not.
bool ahogada(Calculo &x) {
    if (!x.solucion || x.solucion->estado)
        return false;
    if (x.solucion->motivo == Motivo::Ahogada && x.solucion->ahogo) {
        x.s.masicoMaximoKgH = x.solucion->ahogo->masicoMaximo * kSegundosPorHora;
        x.s.p2AhogoBar = x.solucion->ahogo->p2Ahogo / kPaPorBar;
        return true;
    }
    x.fallo = notaDeFallo(x.solucion->motivo);
    return false;
}

// Mach at both ends and the erosional velocity at the outlet, from the velocities found.
void limitesDeVelocidad(Calculo &x) {
    if (!x.d.p1 || !x.d.densidad1 || !x.d.gamma)
        return;
    const auto sonido = limites::velocidadSonido(*x.d.gamma, *x.d.p1, *x.d.densidad1);
    if (!sonido)
        return;
    if (x.s.v1 && x.puede(c::Mach1Linea))
        x.s.mach1 = limites::mach(*x.s.v1, *sonido);
    if (x.s.v2 && x.puede(c::Mach2Linea))
        x.s.mach2 = limites::mach(*x.s.v2, *sonido);
    // The line's own outlet: P2, or the choking pressure when the line is choked.
    if (x.s.caidaBar && x.puede(c::VeLinea)) {
        const double p2 = *x.d.p1 - *x.s.caidaBar * kPaPorBar;
        x.s.vErosional = limites::velocidadErosional(limites::kCErosionalContinuo,
                                                     *x.d.densidad1 * p2 / *x.d.p1);
    }
    if (x.s.nota == Nota::Ahogada)
        return;
    x.s.superaMach = (x.s.mach1 && *x.s.mach1 > limites::kMachMaximo) ||
                     (x.s.mach2 && *x.s.mach2 > limites::kMachMaximo);
    x.s.superaErosional = x.s.vErosional && x.s.v2 && *x.s.v2 > *x.s.vErosional;
}

// The note under the results, the first that applies.
Nota nota(const Calculo &x, bool lineaAhogada) {
    if (lineaAhogada)
        return Nota::Ahogada;
    if (x.d.noValido)
        return Nota::DatoNoValido;
    if (x.fallo)
        return *x.fallo;
    if (x.s.f && x.s.re && *x.s.re < kReLaminar)
        return Nota::Laminar;
    if (x.s.caidaPorcentaje && std::round(*x.s.caidaPorcentaje * 10) > kCaidaGrandePorcentaje * 10)
        return Nota::CaidaGrande;
    return Nota::Ninguna;
}

} // namespace

Salidas calcularVentana(const Entradas &e, const FuncionColebrook &colebrook) {
    Calculo x{e, aSI(e), std::nullopt, {}, std::nullopt, std::nullopt};
    if (x.puede(c::VLimite))
        x.s.vLimite = velocidadLimite(*x.d.p1, *x.d.densidad1);
    x.friccion = friccionDe(x, colebrook);
    if (e.calcularP2)
        resolverParaP2(x);
    else
        resolverParaCaudal(x);
    const bool lineaAhogada = ahogada(x);
    x.s.nota = nota(x, lineaAhogada);
    limitesDeVelocidad(x);

    // Nothing that is not a number ever reaches a field.
    Salidas &s = x.s;
    for (std::optional<double> *v :
         {&s.masicoKgH, &s.p2Bar, &s.caidaBar, &s.caidaPorcentaje, &s.re, &s.f, &s.v1, &s.v2,
          &s.vLimite, &s.masicoMaximoKgH, &s.p2AhogoBar, &s.mach1, &s.mach2, &s.vErosional})
        if (*v && !std::isfinite(**v))
            v->reset();
    return s;
}

Entradas entradasDe(const std::function<QString(const QString &)> &texto, bool calcularP2,
                    bool friccionDada) {
    namespace c = campos;
    const auto valor = [&texto](const QString &n) { return leerNumero(texto(n)); };
    Entradas e;
    e.p1Bar = valor(c::P1Linea);
    e.densidad1 = valor(c::Densidad1);
    e.dintMm = valor(c::DLinea);
    e.rugosidadMm = valor(c::RugLinea);
    e.viscosidad = valor(c::ViscLinea);
    e.longitud = valor(c::LLinea);
    e.calcularP2 = calcularP2;
    e.friccionDada = friccionDada;
    if (calcularP2)
        e.masicoKgH = valor(c::MasicoLinea);
    else
        e.p2Bar = valor(c::P2Linea);
    if (friccionDada)
        e.f = valor(c::fLinea);
    e.gamma = valor(c::GammaLinea);
    return e;
}

std::optional<double> salida(const QString &campo, const Salidas &s) {
    namespace c = campos;
    static const QHash<QString, std::optional<double> Salidas::*> salidas = {
        {c::MasicoLinea, &Salidas::masicoKgH},
        {c::P2Linea, &Salidas::p2Bar},
        {c::fLinea, &Salidas::f},
        {c::DeltaPLinea, &Salidas::caidaBar},
        {c::DeltaPPorc, &Salidas::caidaPorcentaje},
        {c::ReLinea, &Salidas::re},
        {c::V1Linea, &Salidas::v1},
        {c::V2Linea, &Salidas::v2},
        {c::VLimite, &Salidas::vLimite},
        {c::Mach1Linea, &Salidas::mach1},
        {c::Mach2Linea, &Salidas::mach2},
        {c::VeLinea, &Salidas::vErosional}};
    const auto m = salidas.value(campo);
    return m ? s.*m : std::nullopt;
}

} // namespace vorlo::lineagas
