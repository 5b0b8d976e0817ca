#include "pipe_notes.h"

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/regimen.h"

#include <functional>
#include <optional>

namespace vorlo {

using namespace tuberia;

namespace {

// One Reynolds number inside each range of the regime and friction rules, whatever side of
// kReLaminar and kReTurbulento each rule puts its bounds on.
constexpr double kReDeCadaTramo[] = {kReLaminar / 2, kReLaminar, (kReLaminar + kReTurbulento) / 2,
                                     kReTurbulento, 2 * kReTurbulento};

// A note that is one of the rule's texts, in either language, in `idioma`.
std::optional<QString> traducida(const QString &actual,
                                 const std::function<TextoBilingue(double)> &regla,
                                 const QString &idioma) {
    for (const double re : kReDeCadaTramo) {
        const TextoBilingue t = regla(re);
        if (actual == t.espanol || actual == t.ingles)
            return t.en(idioma);
    }
    return std::nullopt;
}

void escribirNota(CamposTexto &c, const QString &campo, const NotaTuberia &n,
                  const QString &idioma) {
    c.escribir(campo, n.texto.en(idioma));
    c.escribirColor(campo, n.color);
}

} // namespace

void notasEnLengua(CamposTexto &campos, const QString &idioma, ValoresExactos *valores) {
    std::optional<CamposExactos> exactos;
    if (valores)
        exactos.emplace(campos, *valores);
    CamposTexto &c = exactos ? static_cast<CamposTexto &>(*exactos) : campos;
    std::optional<double> re = c.valor(Re);
    if (re && !(*re > 0))
        re.reset();

    if (c.presente(laminarturbulento)) {
        const auto t = re ? std::optional(textoRegimen(*re).en(idioma))
                          : traducida(c.texto(laminarturbulento), &textoRegimen, idioma);
        if (t)
            c.escribir(laminarturbulento, *t);
    }
    if (c.presente(Labelffriccion)) {
        const auto texto = [](double x) { return notaFriccion(x)->texto; };
        if (re)
            escribirNota(c, Labelffriccion, *notaFriccion(*re), idioma);
        else if (const auto t = traducida(c.texto(Labelffriccion), texto, idioma))
            c.escribir(Labelffriccion, *t);
    }
    if (c.presente(Labelfexacta))
        if (const auto n = friccion::notaRaiz(c, valores != nullptr))
            escribirNota(c, Labelfexacta, *n, idioma);
}

} // namespace vorlo
