#include "line.h"

#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/regimen.h"

#include <QVarLengthArray>
#include <cmath>
#include <numbers>
#include <variant>

namespace vorlo::linea {

namespace {

bool finito(double x) {
    return std::isfinite(x);
}
bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}
bool noNegativo(double x) {
    return std::isfinite(x) && x >= 0;
}

// Colebrook's logarithm has no root once e/D reaches 3,7.
constexpr double kRugosidadRelativaMaxima = 3.7;

Motivo validarTramo(const Tramo &t) {
    if (!positivo(t.dintMm))
        return Motivo::DiametroNoValido;
    if (!positivo(t.longitud))
        return Motivo::LongitudNoValida;
    if (!noNegativo(t.rugosidadMm) || t.rugosidadMm >= kRugosidadRelativaMaxima * t.dintMm)
        return Motivo::RugosidadNoValida;
    if (!finito(t.dz) || !noNegativo(t.k) || !noNegativo(t.equipoBar))
        return Motivo::DatoTramoNoValido;
    return Motivo::Ninguno;
}

bool curvaValida(const QList<PuntoCurva> &curva) {
    if (curva.size() < 2)
        return false;
    for (qsizetype i = 0; i < curva.size(); ++i) {
        if (!noNegativo(curva[i].q) || !noNegativo(curva[i].h))
            return false;
        if (i > 0 && !(curva[i].q > curva[i - 1].q))
            return false;
    }
    return true;
}

Motivo validarFluido(const Datos &d) {
    if (d.q && (!noNegativo(*d.q) || (d.bombaTras && *d.q == 0)))
        return Motivo::CaudalNoValido;
    if (!positivo(d.densidad))
        return Motivo::DensidadNoValida;
    if (!positivo(d.viscosidad))
        return Motivo::ViscosidadNoValida;
    if (!positivo(d.pInicio) || (d.pFin && !positivo(*d.pFin)))
        return Motivo::PresionNoValida;
    if (!d.pFin && (!d.q || d.bombaTras))
        return Motivo::FaltaPFin;
    if (d.bombaTras && !d.q)
        return Motivo::FaltaCaudal;
    if (d.psat && (!noNegativo(*d.psat) || *d.psat >= d.pInicio))
        return Motivo::PsatNoValida;
    return Motivo::Ninguno;
}

Motivo validarBomba(const Datos &d) {
    if (d.bombaTras && (*d.bombaTras < 0 || *d.bombaTras > d.tramos.size()))
        return Motivo::BombaNoValida;
    if (d.eficiencia && (!positivo(*d.eficiencia) || *d.eficiencia > 1))
        return Motivo::EficienciaNoValida;
    if (d.npshr && !noNegativo(*d.npshr))
        return Motivo::NpshrNoValido;
    if (!d.curvaBomba.isEmpty() && !curvaValida(d.curvaBomba))
        return Motivo::CurvaNoValida;
    return Motivo::Ninguno;
}

// Friction and fittings of one segment at q, in bar; the part that changes with the flow.
struct Perdidas {
    double velocidad = 0;
    double re = 0;
    double f = 0;
    double friccion = 0;
    double accesorios = 0;
};

// The drops of a segment whose velocity, Reynolds number and friction factor are known.
std::optional<Perdidas> completar(Perdidas p, const Tramo &t, double densidad) {
    const double dinamica = densidad * p.velocidad * p.velocidad / 2;
    p.friccion = p.f * t.longitud / (t.dintMm / 1000) * dinamica / kPaPorBar;
    p.accesorios = t.k * dinamica / kPaPorBar;
    if (!finito(p.friccion) || !finito(p.accesorios) || !finito(p.re))
        return std::nullopt;
    return p;
}

std::optional<Perdidas> perdidas(const Tramo &t, double q, double densidad, double viscosidad) {
    const double d = t.dintMm / 1000;
    const double area = std::numbers::pi * d * d / 4;
    Perdidas p;
    p.velocidad = q / 3600 / area;
    p.re = densidad * p.velocidad * d / viscosidad;
    if (p.re <= 0)
        return p; // no flow, no loss
    if (p.re < kReLaminar) {
        p.f = kFactorLaminar / p.re;
    } else {
        const auto f = colebrookExacto(t.rugosidadMm, t.dintMm, p.re);
        if (!f)
            return std::nullopt;
        p.f = *f;
    }
    return completar(p, t, densidad);
}

using PerdidasLinea = QVarLengthArray<Perdidas, 32>;

// Every segment's losses at q. Segments of the same pipe share their velocity, Reynolds number
// and friction factor at a flow, so each pipe's root is found once: lines repeat their sizes.
bool perdidasLinea(const Datos &d, double q, PerdidasLinea &salida) {
    const QList<Tramo> &t = d.tramos;
    salida.resize(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        qsizetype j = 0;
        while (j < i && (t[j].dintMm != t[i].dintMm || t[j].rugosidadMm != t[i].rugosidadMm))
            ++j;
        const auto p = j < i ? completar(salida[j], t[i], d.densidad)
                             : perdidas(t[i], q, d.densidad, d.viscosidad);
        if (!p)
            return false;
        salida[i] = *p;
    }
    return true;
}

double caidaEstatica(const Tramo &t, double densidad) {
    return densidad * kGravedad * t.dz / kPaPorBar;
}

// The sum of every segment's drop at q, bar; nullopt when a value leaves the range.
std::optional<double> caidaTotal(const Datos &d, double q) {
    PerdidasLinea p;
    if (!perdidasLinea(d, q, p))
        return std::nullopt;
    double suma = 0;
    for (qsizetype i = 0; i < p.size(); ++i)
        suma += p[i].friccion + p[i].accesorios + caidaEstatica(d.tramos[i], d.densidad) +
                d.tramos[i].equipoBar;
    return finito(suma) ? std::optional(suma) : std::nullopt;
}

// The flow at which the line just delivers P_end. The drop grows with the flow (with a step up
// where a segment leaves the laminar regime), so the root is bracketed by doubling and then
// halved; at such a step the flow found is the step's.
std::variant<double, Motivo> resolverCaudal(const Datos &d) {
    const auto exceso = [&d](double q) -> std::optional<double> {
        const auto caida = caidaTotal(d, q);
        if (!caida)
            return std::nullopt;
        return d.pInicio - *caida - *d.pFin;
    };
    const auto enCero = exceso(0);
    if (!enCero)
        return Motivo::FueraDeRango;
    if (*enCero <= 0)
        return Motivo::SinCaudal;
    double bajo = 0;
    double alto = 1;
    for (int i = 0;; ++i) {
        const auto e = exceso(alto);
        if (!e || i == kIteraciones)
            return Motivo::FueraDeRango;
        if (*e <= 0)
            break;
        bajo = alto;
        alto *= 2;
    }
    for (int i = 0; i < kIteraciones; ++i) {
        const double medio = bajo + (alto - bajo) / 2;
        if (medio <= bajo || medio >= alto)
            break;
        const auto e = exceso(medio);
        if (!e)
            return Motivo::FueraDeRango;
        (*e > 0 ? bajo : alto) = medio;
    }
    return bajo + (alto - bajo) / 2;
}

bool resultadoFinito(const Resultado &r) {
    bool ok = finito(r.q) && finito(r.dpTotal) && finito(r.pFin);
    for (const EstadoTramo &e : r.tramos)
        ok = ok && finito(e.pEntrada) && finito(e.pSalida);
    if (r.bomba) {
        const Bomba &b = *r.bomba;
        ok = ok && finito(b.tdh) && finito(b.potenciaHidraulica) && finito(b.npsha.value_or(0)) &&
             finito(b.potenciaEje.value_or(0)) && finito(b.margen.value_or(0));
    }
    return ok;
}

EstadoTramo estadoDe(const Perdidas &p, const Tramo &t, double densidad) {
    EstadoTramo e;
    e.velocidad = p.velocidad;
    e.re = p.re;
    e.f = p.f;
    e.dpFriccion = p.friccion;
    e.dpAccesorios = p.accesorios;
    e.dpEstatica = caidaEstatica(t, densidad);
    e.dpEquipo = t.equipoBar;
    e.dpTotal = e.dpFriccion + e.dpAccesorios + e.dpEstatica + e.dpEquipo;
    return e;
}

// Every segment at the flow, the pressures chained from P_start (and, past a pump, from the
// discharge pressure that delivers P_end).
bool recorrer(const Datos &d, Resultado &r) {
    PerdidasLinea perdidas;
    if (!perdidasLinea(d, r.q, perdidas))
        return false;
    const int n = int(d.tramos.size());
    const int tras = d.bombaTras.value_or(n);
    double descarga = 0; // the drop from the pump to the end
    for (int i = 0; i < n; ++i) {
        r.tramos.append(estadoDe(perdidas[i], d.tramos[i], d.densidad));
        const EstadoTramo &e = r.tramos.last();
        r.dpFriccion += e.dpFriccion;
        r.dpAccesorios += e.dpAccesorios;
        r.dpEstatica += e.dpEstatica;
        r.dpEquipos += e.dpEquipo;
        r.dpTotal += e.dpTotal;
        if (i >= tras)
            descarga += e.dpTotal;
    }
    double p = d.pInicio;
    for (int i = 0; i < n; ++i) {
        if (i == tras) {
            r.bomba = Bomba{.pSuccion = p, .pDescarga = *d.pFin + descarga};
            p = r.bomba->pDescarga;
        }
        r.tramos[i].pEntrada = p;
        p -= r.tramos[i].dpTotal;
        r.tramos[i].pSalida = p;
    }
    if (tras == n && d.bombaTras)
        r.bomba = Bomba{.pSuccion = p, .pDescarga = *d.pFin};
    r.pFin = d.bombaTras ? *d.pFin : p;
    return true;
}

void completarBomba(const Datos &d, Bomba &b) {
    const double rhoG = d.densidad * kGravedad;
    b.dp = b.pDescarga - b.pSuccion;
    b.tdh = b.dp * kPaPorBar / rhoG;
    if (d.psat)
        b.npsha = (b.pSuccion - *d.psat) * kPaPorBar / rhoG;
    if (b.npsha && d.npshr)
        b.margen = *b.npsha - *d.npshr;
    b.potenciaHidraulica = *d.q / 3600 * b.dp * kPaPorBar / 1000;
    if (d.eficiencia)
        b.potenciaEje = b.potenciaHidraulica / *d.eficiencia;
    if (!d.curvaBomba.isEmpty())
        b.operacion = puntoOperacion(d);
}

void marcarPresiones(const Datos &d, Resultado &r) {
    for (const EstadoTramo &e : r.tramos) {
        for (double p : {e.pEntrada, e.pSalida}) {
            r.presionImposible = r.presionImposible || p <= 0;
            r.bajoPsat = r.bajoPsat || (d.psat && p < *d.psat);
        }
    }
}

// The crossing inside [a, b], where the pump's head minus the line's changes sign.
std::optional<PuntoCurva> biseccion(const Datos &d, double a, double b, double da) {
    for (int i = 0; i < kIteraciones; ++i) {
        const double m = a + (b - a) / 2;
        if (m <= a || m >= b)
            break;
        const auto hs = alturaSistema(d, m);
        const auto hp = alturaBomba(d.curvaBomba, m);
        if (!hs || !hp)
            return std::nullopt;
        const double dm = *hp - *hs;
        if ((dm > 0) == (da > 0)) {
            a = m;
            da = dm;
        } else {
            b = m;
        }
    }
    const double q = a + (b - a) / 2;
    const auto h = alturaBomba(d.curvaBomba, q);
    if (!h)
        return std::nullopt;
    return PuntoCurva{q, *h};
}

} // namespace

std::optional<EstadoTramo> estadoTramo(const Tramo &t, double q, double densidad, double viscosidad,
                                       double pEntrada) {
    const auto p = perdidas(t, q, densidad, viscosidad);
    if (!p)
        return std::nullopt;
    EstadoTramo e = estadoDe(*p, t, densidad);
    e.pEntrada = pEntrada;
    e.pSalida = pEntrada - e.dpTotal;
    if (!finito(e.dpTotal) || !finito(e.pSalida))
        return std::nullopt;
    return e;
}

Resultado calcular(const Datos &d) {
    Resultado r;
    if (d.tramos.isEmpty()) {
        r.motivo = Motivo::SinTramos;
        return r;
    }
    for (qsizetype i = 0; i < d.tramos.size(); ++i) {
        r.motivo = validarTramo(d.tramos[i]);
        if (!r.valido()) {
            r.tramoFallido = int(i);
            return r;
        }
    }
    r.motivo = validarFluido(d);
    if (r.valido())
        r.motivo = validarBomba(d);
    if (!r.valido())
        return r;
    if (d.q) {
        r.q = *d.q;
    } else {
        const auto q = resolverCaudal(d);
        if (const auto *m = std::get_if<Motivo>(&q)) {
            r.motivo = *m;
            return r;
        }
        r.q = std::get<double>(q);
        r.caudalResuelto = true;
    }
    if (!recorrer(d, r)) {
        return Resultado{.motivo = Motivo::FueraDeRango};
    }
    if (r.bomba)
        completarBomba(d, *r.bomba);
    marcarPresiones(d, r);
    if (!resultadoFinito(r))
        return Resultado{.motivo = Motivo::FueraDeRango};
    return r;
}

std::optional<double> alturaSistema(const Datos &d, double q) {
    if (!d.q || !(*d.q > 0) || !d.pFin)
        return std::nullopt;
    const double rhoG = d.densidad * kGravedad;
    double dz = 0;
    double perdida = 0;
    const double escala = (q / *d.q) * (q / *d.q);
    PerdidasLinea p;
    if (!perdidasLinea(d, q, p))
        return std::nullopt;
    for (qsizetype i = 0; i < p.size(); ++i) {
        dz += d.tramos[i].dz;
        perdida += p[i].friccion + p[i].accesorios + d.tramos[i].equipoBar * escala;
    }
    const double h = (*d.pFin - d.pInicio) * kPaPorBar / rhoG + dz + perdida * kPaPorBar / rhoG;
    return finito(h) ? std::optional(h) : std::nullopt;
}

QList<PuntoCurva> curvaSistema(const Datos &d, int puntos) {
    if (puntos < 1 || !d.q)
        return {};
    QList<PuntoCurva> curva;
    curva.reserve(puntos + 1);
    const double qMax = 1.5 * *d.q;
    for (int i = 0; i <= puntos; ++i) {
        const double q = qMax * i / puntos;
        const auto h = alturaSistema(d, q);
        if (!h)
            return {};
        curva.append({q, *h});
    }
    return curva;
}

std::optional<double> alturaBomba(const QList<PuntoCurva> &curva, double q) {
    for (qsizetype i = 1; i < curva.size(); ++i) {
        const PuntoCurva &a = curva[i - 1];
        const PuntoCurva &b = curva[i];
        if (q >= a.q && q <= b.q)
            return a.h + (b.h - a.h) * (q - a.q) / (b.q - a.q);
    }
    return std::nullopt;
}

std::optional<PuntoCurva> puntoOperacion(const Datos &d) {
    const QList<PuntoCurva> &c = d.curvaBomba;
    std::optional<double> previo;
    double qPrevio = 0;
    for (qsizetype i = 0; i + 1 < c.size(); ++i) {
        for (int j = i == 0 ? 0 : 1; j <= kPasosCruce; ++j) {
            const double q = c[i].q + (c[i + 1].q - c[i].q) * j / kPasosCruce;
            const auto hs = alturaSistema(d, q);
            const auto hp = alturaBomba(c, q);
            if (!hs || !hp)
                return std::nullopt;
            const double diferencia = *hp - *hs;
            if (diferencia == 0)
                return PuntoCurva{q, *hp};
            if (previo && (diferencia > 0) != (*previo > 0))
                return biseccion(d, qPrevio, q, *previo);
            previo = diferencia;
            qPrevio = q;
        }
    }
    return std::nullopt;
}

} // namespace vorlo::linea
