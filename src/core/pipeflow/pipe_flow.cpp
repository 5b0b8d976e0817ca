#include "pipe_flow.h"

#include "colebrook.h"
#include "fields/language.h"
#include "fields/numbers.h"

namespace vorlo::tuberia {

QStringList entradas() {
    return {Qproceso, dproceso, vdinamica, Vcinematica, dint,   Rugosidad, L,
            Desnivel, ktotal,   Vproceso,  Re,          ffinal, Option3,   Option4};
}

QStringList etiquetasResultado() {
    return {DP, DPbar, DPtotalm, DPbarTotal, PerdidaAccesorios, PcargaTuberiaYaccesorios};
}

} // namespace vorlo::tuberia

namespace vorlo {

using namespace tuberia;

namespace {

// Writes a formatted result unless it could not be formatted (a value out of range).
void escribirSiFinito(CamposTexto &c, const QString &campo, const std::optional<QString> &t) {
    if (t)
        c.escribir(campo, *t);
}

void notaFriccion(CamposTexto &c, const QString &idioma, const QString &es, const QString &en,
                  ColorNota color) {
    if (const auto t = segunIdioma(idioma, es, en)) {
        c.escribir(Labelffriccion, *t);
        c.escribirColor(Labelffriccion, color);
    }
}

// Step 4: the friction factor from the Reynolds number shown now.
void factorFriccion(CamposTexto &c, const QString &idioma) {
    if (!c.presente(Re))
        return;
    const auto re = c.valor(Re);
    if (!re)
        return;
    if (c.presente(dint) && c.presente(Rugosidad)) {
        const auto d = c.valor(dint);
        const auto rug = c.valor(Rugosidad);
        if (d && rug) {
            if (*re > 4000) {
                if (const auto f = Colebrook(*rug, *d, *re)) {
                    escribirSiFinito(c, ffinal, formatoFijo(*f, 4));
                    notaFriccion(c, idioma,
                                 QStringLiteral("   Factor de fricción de Colebrook (flujo "
                                                "turbulento)"),
                                 QStringLiteral("   Colebrook Friction Factor (turbulent flow)"),
                                 ColorNota::Normal);
                }
            } else if (*re >= 2000 && *re <= 4000 && *d > 0) {
                if (const auto f = Colebrook(*rug, *d, *re)) {
                    escribirSiFinito(c, ffinal, formatoFijo(*f, 4));
                    notaFriccion(c, idioma,
                                 QStringLiteral("Zona de Transición. Factor de Fricción "
                                                "indeterminado. Se considerará flujo turbulento "
                                                "(caso más desfavorable)"),
                                 QStringLiteral("Transition Zone. Friction factor is "
                                                "indeterminate. Turbulent flow will be "
                                                "considered"),
                                 ColorNota::Rojo);
                }
            }
        }
    }
    // Re-read: a nested pass may have changed Re while the branch above wrote.
    if (const auto re2 = c.valor(Re); re2 && *re2 > 0 && *re2 < 2000) {
        escribirSiFinito(c, ffinal, formatoFijo(64 / *re2, 4));
        notaFriccion(c, idioma, QStringLiteral("Factor de fricción flujo laminar"),
                     QStringLiteral("Friction factor. Laminar Flow"), ColorNota::Normal);
    }
}

void regimen(CamposTexto &c, const QString &idioma) {
    if (!c.presente(Re)) {
        c.escribir(laminarturbulento, QString());
        return;
    }
    const auto re = c.valor(Re);
    if (!re || *re <= 0)
        return;
    std::optional<QString> t;
    if (*re <= 2000)
        t = segunIdioma(idioma, QStringLiteral("Flujo Laminar"), QStringLiteral("Laminar Flow"));
    else if (*re < 4000)
        t = segunIdioma(idioma, QStringLiteral("Zona Crítica"), QStringLiteral("Critical Zone"));
    else
        t = segunIdioma(idioma, QStringLiteral("Turbulento"), QStringLiteral("Turbulent Flow"));
    if (t)
        c.escribir(laminarturbulento, *t);
}

} // namespace

void CalcularTuberia(CamposTexto &c, const QString &idioma) {
    // 1. A zero diameter is emptied before anything divides by it.
    if (c.presente(dint)) {
        if (const auto d = c.valor(dint); d && *d == 0)
            c.escribir(dint, QString());
    }
    // 2. Velocity.
    if (c.texto(dint) != QStringLiteral("0") && c.presente(dint) && c.presente(Qproceso)) {
        const auto q = c.valor(Qproceso);
        const auto d = c.valor(dint);
        if (q && d && *q > 0 && *d > 0) {
            const double radio = *d / 2000;
            escribirSiFinito(c, Vproceso, formatoFijo(*q / (radio * radio * 3600 * 3.141592), 4));
        }
    }
    // 3.
    if (!c.presente(dint))
        c.escribir(Vproceso, QString());
    // 4. Friction factor from the Reynolds number shown at this moment.
    factorFriccion(c, idioma);
    // 5.
    if (!c.presente(Re)) {
        c.escribir(ffinal, QString());
        c.escribir(Labelffriccion, QString());
    }
    // 6. Reynolds number, dynamic viscosity.
    if (c.opcion(Option3) && c.presente(dproceso) && c.presente(vdinamica) && c.presente(dint) &&
        c.presente(Vproceso)) {
        const auto d = c.valor(dint);
        const auto v = c.valor(Vproceso);
        const auto rho = c.valor(dproceso);
        const auto mu = c.valor(vdinamica);
        if (d && v && rho && mu && *mu > 0)
            escribirSiFinito(c, Re, formatoFijo((*d * *v) * *rho / (*mu * 1000), 0));
    }
    // 7. Reynolds number, kinematic viscosity.
    if (c.opcion(Option4) && c.presente(Vcinematica) && c.presente(dint) && c.presente(Vproceso)) {
        const auto d = c.valor(dint);
        const auto v = c.valor(Vproceso);
        const auto nu = c.valor(Vcinematica);
        if (d && v && nu && *nu > 0)
            escribirSiFinito(c, Re, formatoFijo((*d * *v) / (*nu * 1000), 0));
    }
    // 8. Regime text.
    regimen(c, idioma);
    // 9. A Reynolds number survives only with a viscosity, the velocity and the diameter.
    if ((!c.presente(Vcinematica) && !c.presente(vdinamica)) || !c.presente(Vproceso) ||
        !c.presente(dint))
        c.escribir(Re, QString());
    // 10. Pressure drop per metre.
    if (c.presente(ffinal) && c.presente(dint) && c.presente(dproceso) && c.presente(Vproceso)) {
        const auto f = c.valor(ffinal);
        const auto d = c.valor(dint);
        const auto rho = c.valor(dproceso);
        const auto v = c.valor(Vproceso);
        if (f && d && rho && v && *d != 0) {
            const double dp = ((*f / *d) * *rho * (*v * *v)) / 2;
            const auto tDp = formatoFijo(dp, 2);
            const auto tDpBar = formatoFijo(dp / 100, 8);
            if (tDp && tDpBar) {
                c.escribir(DP, *tDp);
                c.escribir(DPbar, *tDpBar);
            }
        }
    } else {
        c.escribir(DP, QString());
        c.escribir(DPbar, QString());
    }
    // 11. Elevation: 0 when empty.
    std::optional<double> h = 0.0;
    if (c.presente(Desnivel))
        h = c.valor(Desnivel);
    // 12. Head loss.
    if (c.presente(ffinal) && c.presente(dint) && c.presente(Vproceso) && c.presente(L)) {
        const auto f = c.valor(ffinal);
        const auto d = c.valor(dint);
        const auto v = c.valor(Vproceso);
        const auto l = c.valor(L);
        if (f && d && v && l && h && *d != 0)
            escribirSiFinito(
                c, DPtotalm,
                formatoFijo(*h + (((*f / *d) * *l * (*v * *v)) / 2 / 100 / 0.0000981), 8));
    } else {
        c.escribir(DPtotalm, QString());
    }
    // 13. Straight-pipe total, from the per-metre drop as shown.
    if (c.presente(DPbar) && c.presente(L) && c.presente(Desnivel) && c.presente(dproceso)) {
        const auto dpbar = c.valor(DPbar);
        const auto l = c.valor(L);
        const auto rho = c.valor(dproceso);
        const auto hh = c.valor(Desnivel);
        if (dpbar && l && rho && hh)
            escribirSiFinito(c, DPbarTotal, formatoPlano(*dpbar * *l + *rho * *hh / 10197.2));
    } else {
        c.escribir(DPbarTotal, QString());
    }
    // 14. Fittings. An empty text is not greater than 0; a text that is not a number skips.
    {
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
        if (!saltar) {
            if (positivos)
                escribirSiFinito(c, PerdidaAccesorios,
                                 formatoFijo(v[0] * v[1] * (v[2] * v[2]) / 200000, 7));
            else
                c.escribir(PerdidaAccesorios, QString());
        }
    }
    // 15. Pipe plus fittings.
    if (c.presente(DPbarTotal) && c.presente(PerdidaAccesorios)) {
        const auto a = c.valor(DPbarTotal);
        const auto b = c.valor(PerdidaAccesorios);
        if (a && b)
            escribirSiFinito(c, PcargaTuberiaYaccesorios, formatoFijo(*a + *b, 7));
    } else {
        c.escribir(PcargaTuberiaYaccesorios, QString());
    }
}

std::optional<Mensaje> PerdidaTramoTotal(CamposTexto &c, const QString &idioma) {
    for (const QString &campo : {ffinal, L, dint, dproceso, Vproceso}) {
        if (!c.presente(campo)) {
            const auto t = segunIdioma(idioma,
                                       QStringLiteral("Para poder calcular automáticamente, "
                                                      "todos los campos en rojo deben de "
                                                      "cumplimentarse previamente"),
                                       QStringLiteral("For automatic computing, all field in red "
                                                      "must be completed"));
            if (!t)
                return std::nullopt;
            return Mensaje{*t, QStringLiteral("Faltan datos")};
        }
    }
    const auto f = c.valor(ffinal);
    const auto l = c.valor(L);
    const auto d = c.valor(dint);
    const auto rho = c.valor(dproceso);
    const auto v = c.valor(Vproceso);
    if (!f || !l || !d || !rho || !v || *d == 0)
        return std::nullopt;
    const auto tDp = formatoPlano(((((*f * *l) * 1000) / *d) * *rho * (*v * *v)) / 2);
    if (!tDp)
        return std::nullopt;
    c.escribir(DP, *tDp);
    if (const auto dp = c.valor(DP))
        escribirSiFinito(c, DPbar, formatoPlano(*dp / 100000));
    return std::nullopt;
}

} // namespace vorlo
