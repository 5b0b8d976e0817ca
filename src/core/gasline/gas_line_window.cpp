#include "gas_line_window.h"

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
    std::optional<double> masico, p2, f;
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

Salidas calcularVentana(const Entradas &e, const FuncionColebrook &colebrook) {
    Salidas s;
    const DatosSI d = aSI(e);
    if (d.p1 && d.densidad1)
        s.vLimite = velocidadLimite(*d.p1, *d.densidad1);

    // The friction factor: the number given, or Colebrook (which needs Re, hence mu).
    std::optional<Friccion> friccion;
    if (e.friccionDada) {
        if (d.f)
            friccion = *d.f;
    } else if (d.rugosidadMm && d.dint && d.viscosidad && colebrook) {
        const double rugosidad = *d.rugosidadMm;
        const double dintMm = *e.dintMm;
        friccion = FuncionFriccion(
            [colebrook, rugosidad, dintMm](double re) { return colebrook(rugosidad, dintMm, re); });
    }

    std::optional<Nota> fallo;
    bool ahogada = false;
    std::optional<Solucion> solucion;

    if (e.calcularP2) {
        // What the flow alone fixes is shown even before the line can be solved.
        if (d.masico && d.dint) {
            const double a = std::numbers::pi * *d.dint * *d.dint / 4;
            if (d.densidad1)
                s.v1 = finito(*d.masico / a / *d.densidad1);
            if (d.viscosidad) {
                s.re = finito(4 * *d.masico / (std::numbers::pi * *d.dint * *d.viscosidad));
                if (s.re && friccion && !e.friccionDada) {
                    const auto f = std::get<FuncionFriccion>(*friccion)(*s.re);
                    if (f && std::isfinite(*f) && *f > 0)
                        s.f = f;
                    else
                        fallo = Nota::SinFriccion;
                }
            }
        }
        if (d.p1 && d.densidad1 && d.dint && d.longitud && d.masico && friccion && !fallo)
            solucion = resolverP2(Linea{*d.p1, *d.densidad1, *d.dint, *d.longitud, d.viscosidad},
                                  *friccion, *d.masico);
        if (solucion && solucion->estado) {
            const Estado &r = *solucion->estado;
            s.p2Bar = r.p2 / kPaPorBar;
            s.caidaBar = r.caida / kPaPorBar;
            s.caidaPorcentaje = 100 * r.caida / *d.p1;
            s.v2 = r.v2;
        }
    } else {
        // The drop is the difference of the two pressures given.
        if (d.p1 && d.p2) {
            if (*d.p2 < *d.p1) {
                s.caidaBar = (*d.p1 - *d.p2) / kPaPorBar;
                s.caidaPorcentaje = 100 * (*d.p1 - *d.p2) / *d.p1;
            } else {
                fallo = Nota::P2NoMenorQueP1;
            }
        }
        if (d.p1 && d.densidad1 && d.dint && d.longitud && d.p2 && friccion && !fallo)
            solucion = resolverMasico(
                Linea{*d.p1, *d.densidad1, *d.dint, *d.longitud, d.viscosidad}, *friccion, *d.p2);
        if (solucion && solucion->estado) {
            const Estado &r = *solucion->estado;
            s.masicoKgH = r.masico * kSegundosPorHora;
            s.v1 = r.v1;
            s.v2 = r.v2;
            s.re = r.re;
            if (!e.friccionDada)
                s.f = r.f;
        }
    }

    if (solucion && !solucion->estado) {
        if (solucion->motivo == Motivo::Ahogada && solucion->ahogo) {
            ahogada = true;
            s.masicoMaximoKgH = solucion->ahogo->masicoMaximo * kSegundosPorHora;
            s.p2AhogoBar = solucion->ahogo->p2Ahogo / kPaPorBar;
        } else {
            fallo = notaDeFallo(solucion->motivo);
        }
    }

    if (ahogada)
        s.nota = Nota::Ahogada;
    else if (d.noValido)
        s.nota = Nota::DatoNoValido;
    else if (fallo)
        s.nota = *fallo;
    else if (s.f && s.re && *s.re < kReLaminar)
        s.nota = Nota::Laminar;
    else if (s.caidaPorcentaje && std::round(*s.caidaPorcentaje * 10) > kCaidaGrandePorcentaje * 10)
        s.nota = Nota::CaidaGrande;

    // Nothing that is not a number ever reaches a field.
    for (std::optional<double> *v :
         {&s.masicoKgH, &s.p2Bar, &s.caidaBar, &s.caidaPorcentaje, &s.re, &s.f, &s.v1, &s.v2,
          &s.vLimite, &s.masicoMaximoKgH, &s.p2AhogoBar})
        if (*v && !std::isfinite(**v))
            v->reset();
    return s;
}

} // namespace vorlo::lineagas
