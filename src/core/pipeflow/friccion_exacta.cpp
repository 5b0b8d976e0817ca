#include "friccion_exacta.h"

#include "colebrook_exacto.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipe_flow.h"

#include <algorithm>
#include <cmath>

namespace vorlo {

using namespace tuberia;

namespace friccion {

std::optional<double> raizDesdeTextos(const CamposTexto &c) {
    if (!c.presente(Re) || !c.presente(dint) || !c.presente(Rugosidad))
        return std::nullopt;
    const auto re = c.valor(Re);
    const auto d = c.valor(dint);
    const auto rug = c.valor(Rugosidad);
    if (!re || !d || !rug || !(*re >= kReLaminar))
        return std::nullopt;
    return colebrookExacto(*rug, *d, *re);
}

namespace {

// In a sentence a number below 1 keeps its leading zero.
QString conCero(QString t) {
    if (t.startsWith(u','))
        t.prepend(u'0');
    return t;
}

} // namespace

QString textoMalla() {
    return formatoPlano(kMallaInicio).value_or(QString()) + QChar(u'–') +
           formatoPlano(kMallaFin).value_or(QString());
}

TextoBilingue textoModo(bool exacto) {
    if (exacto)
        return {QStringLiteral("Resultados: factor de fricción exacto de Colebrook, sin redondeos"),
                QStringLiteral("Results: exact Colebrook friction factor, full precision")};
    return {QStringLiteral("Resultados: factor de fricción de la malla %1, como se muestran")
                .arg(textoMalla()),
            QStringLiteral("Results: friction factor from the grid %1, as displayed")
                .arg(textoMalla())};
}

QString porcentaje(double p) {
    if (!std::isfinite(p))
        return {};
    if (p >= 9.5)
        return formatoFijo(p, 0).value_or(QString());
    if (p < 0.00005)
        return QStringLiteral("0");
    const int decimales = std::clamp(1 - static_cast<int>(std::floor(std::log10(p))), 1, 4);
    return conCero(formatoFijo(p, decimales).value_or(QString()));
}

namespace {

// `malla` is the grid value, or 0 when there is none.
TextoBilingue nota(double raiz, double malla) {
    const bool fuera = raiz < kMallaInicio || raiz > kMallaFin;
    const QString esDonde = (fuera ? QStringLiteral("Raíz fuera de la malla %1")
                                   : QStringLiteral("Raíz dentro de la malla %1"))
                                .arg(textoMalla());
    const QString enDonde = (fuera ? QStringLiteral("Root outside the grid %1")
                                   : QStringLiteral("Root inside the grid %1"))
                                .arg(textoMalla());
    if (!(malla > 0))
        return {esDonde, enDonde};
    const QString valor = conCero(formatoFijo(malla, 4).value_or(QString()));
    const QString p = porcentaje(std::fabs(malla - raiz) / raiz * 100);
    const bool encima = malla >= raiz;
    return {
        esDonde + QStringLiteral(": los resultados usan %1, un %2 % %3 de la raíz exacta")
                      .arg(valor, p,
                           encima ? QStringLiteral("por encima") : QStringLiteral("por debajo")),
        enDonde + QStringLiteral(": the results use %1, %2 % %3 the exact root")
                      .arg(valor, p, encima ? QStringLiteral("above") : QStringLiteral("below"))};
}

// The note for a root: the exact mode's results take the root itself, there is nothing to warn
// of; otherwise where the root lies against the grid and how far the grid value shown is from
// it, red when the root lies outside the grid.
NotaTuberia notaDeRaiz(double raiz, const CamposTexto &c, bool exacto) {
    if (exacto)
        return {kNotaResultadosExactos, ColorNota::Normal};
    const bool fuera = raiz < kMallaInicio || raiz > kMallaFin;
    // The grid value as the results read it; a text that is no positive number gives the short
    // note.
    return {nota(raiz, c.valor(ffinal).value_or(0.0)), fuera ? ColorNota::Rojo : ColorNota::Normal};
}

} // namespace

bool laminar(const CamposTexto &c) {
    const auto re = c.valor(Re);
    return re && *re > 0 && *re < kReLaminar;
}

std::optional<NotaTuberia> notaRaiz(const CamposTexto &c, bool exacto) {
    const auto raiz = raizDesdeTextos(c);
    if (!raiz || !formatoFijo(*raiz, 6)) {
        if (laminar(c))
            return NotaTuberia{kNotaLaminar};
        return std::nullopt;
    }
    return notaDeRaiz(*raiz, c, exacto);
}

} // namespace friccion

void PasoFriccionExacta(CamposTexto &campos, const QString &idioma, ValoresExactos *valores) {
    std::optional<CamposExactos> exactos;
    if (valores)
        exactos.emplace(campos, *valores);
    CamposTexto &c = exactos ? static_cast<CamposTexto &>(*exactos) : campos;
    const auto raiz = friccion::raizDesdeTextos(c);
    const auto texto = raiz ? formatoFijo(*raiz, 6) : std::nullopt;
    if (!texto) {
        // Below Re 2000 there is no Colebrook root to show, and the note says why.
        c.escribir(fexacta, QString());
        c.escribir(Labelfexacta,
                   friccion::laminar(c) ? friccion::kNotaLaminar.en(idioma) : QString());
        c.escribirColor(Labelfexacta, ColorNota::Normal);
        return;
    }
    c.escribir(fexacta, *texto);
    const NotaTuberia n = friccion::notaDeRaiz(*raiz, c, valores != nullptr);
    c.escribir(Labelfexacta, n.texto.en(idioma));
    c.escribirColor(Labelfexacta, n.color);
}

} // namespace vorlo
