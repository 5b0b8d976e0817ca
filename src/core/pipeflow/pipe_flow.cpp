#include "pipe_flow.h"

#include "colebrook.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/pipe_checks.h"
#include "pipeflow/regimen.h"

#include <QHash>
#include <numbers>

namespace vorlo {

using namespace tuberia;

namespace {

// Units and constants of the pass. Each step reads the fields in their fixed units (flow m³/h,
// density kg/m³, viscosity Pa·s or m²/s, diameter and roughness mm, length and elevation m) and
// converts inline, in the order the formulas below keep; the divisors stay separate divisions
// because folding them into one constant would round differently and could change a shown digit.

// π as this calculation defines it: cut, not rounded, after six decimals. Every velocity, and
// every result derived from it, shows the digits this value gives; the full value of π would
// change them, so it must stay 3.141592.
using constantesTuberia::kPi;
constexpr double kSegundosPorHora = 3600; // flow in m³/h, velocity in m/s
constexpr double kMmPorM = 1000;          // diameter and roughness are typed in mm
// Diameter in mm to radius in m.
constexpr double kMmDiametroPorMRadio = 2 * kMmPorM;
constexpr double kKPaPorBar = 100;   // the per-metre drop comes out in kPa, is shown in bar too
constexpr double kPaPorBar = 100000; // the drops over a length come out in Pa
// The friction loss without the density, f/dint·L·V²/2 in kPa per kg/m³ (dint in mm), divided
// by kKPaPorBar and then by this is metres of fluid column: 0.0000981 bar is the pressure of
// one metre of a column of 1 kg/m³ at g = 9.81 m/s² (9.81 / 100000), so the whole chain of
// divisors makes f·L·V² / (2·g·D) with D in metres.
using constantesTuberia::kBarPorMetroColumna;
// The static head ρ·h (kg/m³ × m = kg/m² of column) in bar: 1 bar = 100000 / 9.80665 = 10197.16
// kgf/m² under standard gravity, used with one decimal as 10197.2; that value is the result's.
using constantesTuberia::kKgfM2PorBar;
// The fittings drop K·ρ·V²/2 in Pa, in bar: the ½ and the Pa per bar in one divisor (200000).
constexpr double kDivisorAccesorios = 2 * kPaPorBar;
// Reynolds bounds (regimen.h). The friction factor is laminar below kReLaminar, from Colebrook
// with a red transition note from kReLaminar to kReTurbulento inclusive, turbulent above. The
// regime text reads laminar up to kReLaminar inclusive and turbulent from kReTurbulento on: the
// two sets of boundaries differ at both ends, and both hold.

// The exact mode computes from the inputs at full precision: π and standard gravity as they
// are, the head and the static head with g itself.
constexpr double kPiExacto = std::numbers::pi;
using constantesTuberia::kGravedad;

// What tells the two modes apart inside a pass.
struct Modo {
    bool exacto = false;
    double pi() const { return exacto ? kPiExacto : kPi; }
};

// The text a result is shown as, in its field's format (the field table's). Later steps of the
// defined pass read the shown, rounded texts, so the formats are part of every result that
// follows.
// The exact mode keeps the formats but never shows fewer than this many significant digits.
constexpr int kCifrasExactas = 4;

// The significant digits a fixed text shows: those from its first non-zero digit on.
int cifrasSignificativas(const QString &t) {
    int n = 0;
    for (const QChar ch : t) {
        if (ch.isDigit() && (n > 0 || ch != u'0'))
            ++n;
    }
    return n;
}

std::optional<QString> formatear(const QString &campo, double x, bool exacta = false) {
    static const QHash<QString, Formato> formatos = [] {
        QHash<QString, Formato> h;
        for (const Campo &c : campos().campos())
            h.insert(c.nombre, c.formato);
        return h;
    }();
    const Formato f = formatos.value(campo);
    auto t = f.aplicar(x);
    if (exacta && t && f.tipo == Formato::Fijo && x != 0 &&
        cifrasSignificativas(*t) < kCifrasExactas)
        t = formatoSignificativo(x, kCifrasExactas);
    return t;
}

// Writes a result unless it could not be formatted (a value out of range).
void escribirResultado(CamposTexto &c, const QString &campo, double x) {
    if (const auto t = formatear(campo, x, c.exacta()))
        c.escribirValor(campo, x, *t);
}

void escribirNota(CamposTexto &c, const QString &idioma, const NotaTuberia &nota) {
    c.escribir(Labelffriccion, nota.texto.en(idioma));
    c.escribirColor(Labelffriccion, nota.color);
}

// A zero diameter is emptied before anything divides by it.
void vaciarDiametroCero(CamposTexto &c) {
    if (c.presente(dint)) {
        if (const auto d = c.valor(dint); d && *d == 0)
            c.escribir(dint, QString());
    }
}

// Mean velocity in m/s from the flow and the diameter. Without a flow a typed velocity stays.
void velocidad(CamposTexto &c, Modo modo) {
    if (!(c.texto(dint) != QStringLiteral("0") && c.presente(dint) && c.presente(Qproceso)))
        return;
    const auto q = c.valor(Qproceso);
    const auto d = c.valor(dint);
    if (q && d && *q > 0 && *d > 0) {
        const double radio = *d / kMmDiametroPorMRadio;
        escribirResultado(c, Vproceso, *q / (radio * radio * kSegundosPorHora * modo.pi()));
    }
}

// A velocity the pass wrote goes with its flow: without one it describes nothing shown. A
// typed velocity stays.
void vaciarVelocidadSinCaudal(CamposTexto &c) {
    if (!c.presente(Qproceso) && c.calculado(Vproceso))
        c.escribir(Vproceso, QString());
}

// No diameter, no velocity.
void vaciarVelocidadSinDiametro(CamposTexto &c) {
    if (!c.presente(dint))
        c.escribir(Vproceso, QString());
}

void vaciarFriccion(CamposTexto &c) {
    c.escribir(ffinal, QString());
    c.escribir(Labelffriccion, QString());
}

// The defined pass takes the grid point of Colebrook's scan, the exact mode the root itself.
void friccionColebrook(CamposTexto &c, const QString &idioma, Modo modo, double rug, double d,
                       double re) {
    // Where the equation has no root the grid's nearest point is no friction factor either.
    const auto raiz = colebrookExacto(rug, d, re);
    if (const auto f = modo.exacto ? raiz : (raiz ? Colebrook(rug, d, re) : std::nullopt)) {
        escribirResultado(c, ffinal, *f);
        if (const auto nota = notaFriccion(re))
            escribirNota(c, idioma, *nota);
    } else {
        // No root: the factor of the last roughness would be shown as this one's.
        vaciarFriccion(c);
    }
}

// Turbulent and transition branches: Colebrook from the roughness, the diameter and Re.
void friccionTurbulenta(CamposTexto &c, const QString &idioma, Modo modo, double re) {
    if (!(c.presente(dint) && c.presente(Rugosidad))) {
        // A factor the pass wrote from a roughness or diameter that is gone.
        if (re >= kReLaminar && c.calculado(ffinal))
            vaciarFriccion(c);
        return;
    }
    const auto d = c.valor(dint);
    const auto rug = c.valor(Rugosidad);
    if (!d || !rug)
        return;
    if (re > kReTurbulento || (re >= kReLaminar && re <= kReTurbulento && *d > 0))
        friccionColebrook(c, idioma, modo, *rug, *d, re);
}

// Laminar branch, 64 / Re. Re is read again: a nested pass may have changed it while the
// turbulent branch wrote.
void friccionLaminar(CamposTexto &c, const QString &idioma) {
    if (const auto re = c.valor(Re); re && *re > 0 && *re < kReLaminar) {
        escribirResultado(c, ffinal, kFactorLaminar / *re);
        escribirNota(c, idioma, *notaFriccion(*re));
    }
}

// The friction factor from the Reynolds number shown now, before this pass computes a new one:
// right after an input change it belongs to the previous Re, and the next pass catches up.
void factorFriccion(CamposTexto &c, const QString &idioma, Modo modo) {
    if (!c.presente(Re))
        return;
    const auto re = c.valor(Re);
    if (!re)
        return;
    friccionTurbulenta(c, idioma, modo, *re);
    friccionLaminar(c, idioma);
}

// No Reynolds number, no friction factor and no note.
void vaciarFriccionSinReynolds(CamposTexto &c) {
    if (!c.presente(Re))
        vaciarFriccion(c);
}

// Reynolds number from the dynamic viscosity: D·V·ρ/µ with D in m.
void reynoldsDinamica(CamposTexto &c) {
    if (!(c.opcion(Option3) && c.presente(dproceso) && c.presente(vdinamica) && c.presente(dint) &&
          c.presente(Vproceso)))
        return;
    const auto d = c.valor(dint);
    const auto v = c.valor(Vproceso);
    const auto rho = c.valor(dproceso);
    const auto mu = c.valor(vdinamica);
    if (d && v && rho && mu && *mu > 0)
        escribirResultado(c, Re, (*d * *v) * *rho / (*mu * kMmPorM));
}

// Reynolds number from the kinematic viscosity: D·V/ν with D in m.
void reynoldsCinematica(CamposTexto &c) {
    if (!(c.opcion(Option4) && c.presente(Vcinematica) && c.presente(dint) && c.presente(Vproceso)))
        return;
    const auto d = c.valor(dint);
    const auto v = c.valor(Vproceso);
    const auto nu = c.valor(Vcinematica);
    if (d && v && nu && *nu > 0)
        escribirResultado(c, Re, (*d * *v) / (*nu * kMmPorM));
}

// The regime text; emptied with Re, left as it is for Re <= 0.
void regimen(CamposTexto &c, const QString &idioma) {
    if (!c.presente(Re)) {
        c.escribir(laminarturbulento, QString());
        return;
    }
    const auto re = c.valor(Re);
    if (!re || *re <= 0)
        return;
    c.escribir(laminarturbulento, textoRegimen(*re).en(idioma));
}

// A Reynolds number, typed or computed, survives only with a viscosity, the velocity and the
// diameter; one the pass wrote, only with every input of the viscosity chosen.
void vaciarReynoldsSinDatos(CamposTexto &c) {
    const bool dinamica = c.opcion(Option3) && c.presente(dproceso) && c.presente(vdinamica);
    const bool cinematica = c.opcion(Option4) && c.presente(Vcinematica);
    if ((!c.presente(Vcinematica) && !c.presente(vdinamica)) || !c.presente(Vproceso) ||
        !c.presente(dint) || (c.calculado(Re) && !dinamica && !cinematica))
        c.escribir(Re, QString());
}

// Straight-pipe drop per metre, f/D·ρ·V²/2: in kPa/m (dint in mm) and in bar/m.
void perdidaPorMetro(CamposTexto &c) {
    if (!(c.presente(ffinal) && c.presente(dint) && c.presente(dproceso) && c.presente(Vproceso))) {
        c.escribir(DP, QString());
        c.escribir(DPbar, QString());
        return;
    }
    const auto f = c.valor(ffinal);
    const auto d = c.valor(dint);
    const auto rho = c.valor(dproceso);
    const auto v = c.valor(Vproceso);
    if (f && d && rho && v && *d != 0) {
        const double dp = perdidaDarcy(*f, *d, *rho, *v);
        const auto tDp = formatear(DP, dp, c.exacta());
        const auto tDpBar = formatear(DPbar, dp / kKPaPorBar, c.exacta());
        if (tDp && tDpBar) {
            c.escribirValor(DP, dp, *tDp);
            c.escribirValor(DPbar, dp / kKPaPorBar, *tDpBar);
        }
    }
}

// The elevation gain for the head loss: 0 when empty, nullopt when not a number.
std::optional<double> desnivel(const CamposTexto &c) {
    std::optional<double> h = 0.0;
    if (c.presente(Desnivel))
        h = c.valor(Desnivel);
    return h;
}

// Head loss in metres of the flowing fluid: the elevation plus f·L·V²/(2·g·D).
void perdidaCarga(CamposTexto &c, const std::optional<double> &h, Modo modo) {
    if (!(c.presente(ffinal) && c.presente(dint) && c.presente(Vproceso) && c.presente(L))) {
        c.escribir(DPtotalm, QString());
        return;
    }
    const auto f = c.valor(ffinal);
    const auto d = c.valor(dint);
    const auto v = c.valor(Vproceso);
    const auto l = c.valor(L);
    if (!(f && d && v && l && h && *d != 0)) {
        c.escribir(DPtotalm, QString());
        return;
    }
    if (modo.exacto)
        escribirResultado(c, DPtotalm,
                          *h + *f * (*l / (*d / kMmPorM)) * (*v * *v) / (2 * kGravedad));
    else
        escribirResultado(
            c, DPtotalm,
            *h + (((*f / *d) * *l * (*v * *v)) / 2 / kKPaPorBar / kBarPorMetroColumna));
}

// Straight-pipe total in bar: the per-metre drop as shown times the length, plus the static
// head. Unlike the head loss, an empty elevation empties it.
void perdidaTramo(CamposTexto &c, Modo modo) {
    if (!(c.presente(DPbar) && c.presente(L) && c.presente(Desnivel) && c.presente(dproceso))) {
        c.escribir(DPbarTotal, QString());
        return;
    }
    const auto dpbar = c.valor(DPbar);
    const auto l = c.valor(L);
    const auto rho = c.valor(dproceso);
    const auto h = c.valor(Desnivel);
    if (!(dpbar && l && rho && h))
        return;
    if (modo.exacto)
        escribirResultado(c, DPbarTotal,
                          (*dpbar * kPaPorBar * *l + *rho * kGravedad * *h) / kPaPorBar);
    else
        escribirResultado(c, DPbarTotal, *dpbar * *l + *rho * *h / kKgfM2PorBar);
}

// Fittings drop in bar, K·ρ·V²/2. An empty text is not greater than 0 and empties the result;
// a text that is not a number leaves it as it is.
void perdidaAccesorios(CamposTexto &c) {
    const QString nombres[] = {ktotal, dproceso, Vproceso};
    bool saltar = false;
    bool positivos = true;
    double v[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (!c.presente(nombres[i])) {
            positivos = false;
            continue;
        }
        const auto x = c.valor(nombres[i]);
        if (!x)
            saltar = true;
        else if (!(*x > 0))
            positivos = false;
        else
            v[i] = *x;
    }
    if (saltar)
        return;
    if (positivos)
        escribirResultado(c, PerdidaAccesorios, v[0] * v[1] * (v[2] * v[2]) / kDivisorAccesorios);
    else
        c.escribir(PerdidaAccesorios, QString());
}

// Pipe plus fittings, in bar.
void perdidaTuberiaYAccesorios(CamposTexto &c) {
    if (!(c.presente(DPbarTotal) && c.presente(PerdidaAccesorios))) {
        c.escribir(PcargaTuberiaYaccesorios, QString());
        return;
    }
    const auto a = c.valor(DPbarTotal);
    const auto b = c.valor(PerdidaAccesorios);
    if (a && b)
        escribirResultado(c, PcargaTuberiaYaccesorios, *a + *b);
}

} // namespace

TextoBilingue textoRegimen(double re) {
    if (re <= kReLaminar)
        return {QStringLiteral("Flujo Laminar"), QStringLiteral("Laminar Flow")};
    if (re < kReTurbulento)
        return {QStringLiteral("Zona Crítica"), QStringLiteral("Critical Zone")};
    return {QStringLiteral("Turbulento"), QStringLiteral("Turbulent Flow")};
}

std::optional<NotaTuberia> notaFriccion(double re) {
    if (!(re > 0))
        return std::nullopt;
    if (re < kReLaminar)
        return NotaTuberia{{QStringLiteral("Factor de fricción flujo laminar"),
                            QStringLiteral("Friction factor. Laminar Flow")}};
    if (re <= kReTurbulento)
        return NotaTuberia{{QStringLiteral("Zona de Transición. Factor de Fricción "
                                           "indeterminado. Se considerará flujo turbulento "
                                           "(caso más desfavorable)"),
                            QStringLiteral("Transition Zone. Friction factor is indeterminate. "
                                           "Turbulent flow will be considered")},
                           ColorNota::Rojo};
    return NotaTuberia{{QStringLiteral("   Factor de fricción de Colebrook (flujo turbulento)"),
                        QStringLiteral("   Colebrook Friction Factor (turbulent flow)")}};
}

namespace {

// One pass. The defined pass takes the friction factor from the Reynolds number shown before
// the pass computes a new one (right after an input change it belongs to the previous Re, and
// the next pass catches up); the exact mode takes it from the new one.
void pasada(CamposTexto &campos, const QString &idioma, Modo modo) {
    vaciarDiametroCero(campos);
    // Inputs the pass cannot take count as absent, and so empty every result built on them.
    CamposValidos c(campos, requisito);
    velocidad(c, modo);
    vaciarVelocidadSinCaudal(c);
    vaciarVelocidadSinDiametro(c);
    if (!modo.exacto) {
        factorFriccion(c, idioma, modo);
        vaciarFriccionSinReynolds(c);
    }
    reynoldsDinamica(c);
    reynoldsCinematica(c);
    regimen(c, idioma);
    vaciarReynoldsSinDatos(c);
    if (modo.exacto) {
        factorFriccion(c, idioma, modo);
        vaciarFriccionSinReynolds(c);
    }
    perdidaPorMetro(c);
    const std::optional<double> h = c.invalido(Desnivel) ? std::nullopt : desnivel(c);
    perdidaCarga(c, h, modo);
    perdidaTramo(c, modo);
    perdidaAccesorios(c);
    perdidaTuberiaYAccesorios(c);
}

} // namespace

// Each step reads its fields afresh, so it works with the rounded texts earlier steps wrote.
void CalcularTuberia(CamposTexto &c, const QString &idioma) {
    pasada(c, idioma, Modo{false});
}

void CalcularTuberiaExacta(CamposTexto &c, const QString &idioma, ValoresExactos &valores) {
    CamposExactos exactos(c, valores);
    pasada(exactos, idioma, Modo{true});
}

std::optional<Mensaje> PerdidaTramoTotal(CamposTexto &c, const QString &idioma) {
    for (const QString &campo : {ffinal, L, dint, dproceso, Vproceso}) {
        if (!c.presente(campo)) {
            return Mensaje{segunIdioma(idioma,
                                       QStringLiteral("Para poder calcular automáticamente, "
                                                      "todos los campos en rojo deben de "
                                                      "cumplimentarse previamente"),
                                       QStringLiteral("For automatic computing, all field in red "
                                                      "must be completed")),
                           QStringLiteral("Faltan datos")};
        }
    }
    const auto f = c.valor(ffinal);
    const auto l = c.valor(L);
    const auto d = c.valor(dint);
    const auto rho = c.valor(dproceso);
    const auto v = c.valor(Vproceso);
    if (!f || !l || !d || !rho || !v || *d == 0)
        return std::nullopt;
    const auto tDp = formatoPlano(((((*f * *l) * kMmPorM) / *d) * *rho * (*v * *v)) / 2);
    if (!tDp)
        return std::nullopt;
    c.escribir(DP, *tDp);
    if (const auto dp = c.valor(DP))
        if (const auto t = formatoPlano(*dp / kPaPorBar))
            c.escribir(DPbar, *t);
    return std::nullopt;
}

} // namespace vorlo
