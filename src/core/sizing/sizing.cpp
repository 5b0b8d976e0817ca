#include "sizing.h"

#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/pipe_checks.h"
#include "pipeflow/regimen.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlo {

namespace {

constexpr double kSegundosPorHora = 3600; // flow in m3/h, velocity in m/s
constexpr double kMmPorM = 1000;          // catalogue diameters in mm
constexpr double kMetrosTramo = 100;      // the drop is given per 100 m
constexpr double kPaPorBar = 100000;

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

bool limiteValido(const std::optional<double> &limite) {
    return !limite || positivo(*limite);
}

std::optional<MotivoInvalido> validar(const EntradaDimensionado &e) {
    if (!positivo(e.caudal))
        return MotivoInvalido::Caudal;
    if (!positivo(e.densidad))
        return MotivoInvalido::Densidad;
    if (!positivo(e.viscosidad))
        return MotivoInvalido::Viscosidad;
    if (!(std::isfinite(e.rugosidad) && e.rugosidad >= 0))
        return MotivoInvalido::Rugosidad;
    if (!limiteValido(e.velocidadMaxima))
        return MotivoInvalido::VelocidadMaxima;
    if (!limiteValido(e.perdidaMaxima))
        return MotivoInvalido::PerdidaMaxima;
    return std::nullopt;
}

FilaDimensionado calcularFila(const EntradaDimensionado &e, const TuberiaNormalizada &t) {
    FilaDimensionado r;
    r.tuberia = t;
    const double d = t.interior / kMmPorM;
    r.velocidad = e.caudal / (kSegundosPorHora * std::numbers::pi * d * d / 4);
    r.re = e.densidad * r.velocidad * d / e.viscosidad;
    r.f = r.re < kReLaminar ? std::optional(kFactorLaminar / r.re)
                            : colebrookExacto(e.rugosidad, t.interior, r.re);
    if (r.f)
        r.perdida = perdidaDarcy(*r.f, d, e.densidad, r.velocidad) * kMetrosTramo / kPaPorBar;
    // A flow so large that a result overflows: no factor and no drop rather than "inf".
    if (!std::isfinite(r.velocidad) || !std::isfinite(r.re) || (r.f && !std::isfinite(*r.f)) ||
        (r.perdida && !std::isfinite(*r.perdida))) {
        r.f.reset();
        r.perdida.reset();
    }
    r.extrapolada =
        r.f && r.re >= kReLaminar && e.rugosidad / t.interior > tuberia::kRugosidadRelativaMaxima;
    r.cumpleVelocidad = !e.velocidadMaxima || r.velocidad <= *e.velocidadMaxima;
    // A size whose drop is unknown cannot be shown to stay within a drop limit.
    r.cumplePerdida = !e.perdidaMaxima || (r.perdida && *r.perdida <= *e.perdidaMaxima);
    return r;
}

// The numeric part of "40" or "40S"; nullopt for "STD", "M".
std::optional<int> numeroCedula(const QString &cedula) {
    qsizetype n = 0;
    while (n < cedula.size() && cedula.at(n).isDigit())
        ++n;
    if (n == 0)
        return std::nullopt;
    return cedula.left(n).toInt();
}

// The catalogue rows of a standard and schedule in catalogue order, grouped once: scanning the
// whole catalogue and comparing its schedule texts on every call cost a sixth of the time.
const QList<const TuberiaNormalizada *> &tuberiasDe(NormaTuberia norma, const QString &cedula) {
    using Indice = QHash<QString, QList<const TuberiaNormalizada *>>;
    static const QList<Indice> porNorma = [] {
        QList<Indice> indices(normasTuberia().size());
        for (const TuberiaNormalizada &t : catalogoTuberias())
            indices[qsizetype(t.norma)][t.cedula].append(&t);
        return indices;
    }();
    static const QList<const TuberiaNormalizada *> ninguna;
    const Indice &indice = porNorma.at(qsizetype(norma));
    const auto it = indice.constFind(cedula);
    return it == indice.cend() ? ninguna : *it;
}

} // namespace

Dimensionado dimensionar(const EntradaDimensionado &entrada) {
    Dimensionado d;
    d.motivo = validar(entrada);
    if (d.motivo)
        return d;
    d.sinCriterio = !entrada.velocidadMaxima && !entrada.perdidaMaxima;
    const QList<const TuberiaNormalizada *> &tuberias = tuberiasDe(entrada.norma, entrada.cedula);
    d.filas.reserve(tuberias.size());
    for (const TuberiaNormalizada *t : tuberias) {
        FilaDimensionado fila = calcularFila(entrada, *t);
        if (!d.elegida && !d.sinCriterio && fila.cumple())
            d.elegida = d.filas.size();
        d.filas.append(std::move(fila));
    }
    if (d.filas.isEmpty())
        d.motivo = MotivoInvalido::Cedula;
    return d;
}

const FilaDimensionado *Dimensionado::ultimaExtrapolada() const {
    for (auto it = filas.crbegin(); it != filas.crend(); ++it)
        if (it->extrapolada)
            return &*it;
    return nullptr;
}

QStringList cedulasDe(NormaTuberia norma) {
    QStringList cedulas;
    for (const TuberiaNormalizada &t : catalogoTuberias())
        if (t.norma == norma && !cedulas.contains(t.cedula))
            cedulas << t.cedula;
    // Numbers first, by number; the stable sort keeps the names in catalogue order.
    std::stable_sort(cedulas.begin(), cedulas.end(), [](const QString &a, const QString &b) {
        const auto na = numeroCedula(a);
        const auto nb = numeroCedula(b);
        if (na && nb)
            return *na < *nb;
        return na.has_value() && !nb.has_value();
    });
    return cedulas;
}

QString cedulaPorDefecto(NormaTuberia norma) {
    switch (norma) {
    case NormaTuberia::AsmeB3610M:
        return QStringLiteral("40");
    case NormaTuberia::AsmeB3619M:
        return QStringLiteral("40S");
    case NormaTuberia::En10255:
        return QStringLiteral("M");
    }
    return QString();
}

} // namespace vorlo
