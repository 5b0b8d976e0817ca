#include "pipe_checks.h"

#include "fields/numbers.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/regimen.h"

#include <QStringList>

namespace vorlo::tuberia {

std::optional<Requisito> requisito(const QString &campo) {
    // The velocity, Re and f may be typed in place of their inputs; the elevation may fall.
    static const QHash<QString, Requisito> reglas = {
        {Qproceso, Requisito::Positivo},  {dproceso, Requisito::Positivo},
        {vdinamica, Requisito::Positivo}, {Vcinematica, Requisito::Positivo},
        {dint, Requisito::Positivo},      {Rugosidad, Requisito::NoNegativo},
        {L, Requisito::Positivo},         {Desnivel, Requisito::Cualquiera},
        {ktotal, Requisito::NoNegativo},  {Vproceso, Requisito::Positivo},
        {Re, Requisito::Positivo},        {ffinal, Requisito::Positivo}};
    const auto it = reglas.constFind(campo);
    if (it == reglas.cend())
        return std::nullopt;
    return *it;
}

namespace {

// The inputs the user sees and whose problems are reported: the hidden viscosity is not.
QStringList entradasVisibles(const CamposTexto &c) {
    QStringList n{Qproceso, dproceso};
    if (c.opcion(Option3))
        n << vdinamica;
    if (c.opcion(Option4))
        n << Vcinematica;
    n << dint << Rugosidad << L << Desnivel << ktotal;
    // A velocity, Re or f that the pass did not write is the user's.
    for (const QString &x : {Vproceso, Re, ffinal})
        if (!c.calculado(x))
            n << x;
    return n;
}

// Where the friction factor is extrapolated or has no root, from the roughness and diameter.
std::optional<TextoBilingue> avisoRugosidad(const CamposTexto &c) {
    const auto rug = c.valor(Rugosidad);
    const auto d = c.valor(dint);
    if (!rug || !d || *d <= 0 || *rug < 0)
        return std::nullopt;
    const double relativa = *rug / *d;
    const auto re = c.valor(Re);
    const double reColebrook = re && *re >= kReLaminar ? *re : 1e5;
    if (!colebrookExacto(*rug, *d, reColebrook))
        return TextoBilingue{
            QStringLiteral("Rugosidad: tan grande frente al diámetro que la ecuación de Colebrook "
                           "no tiene raíz; no hay factor de fricción"),
            QStringLiteral("Roughness: so large against the diameter that the Colebrook equation "
                           "has no root; no friction factor")};
    const QString relativaTexto = formatoSignificativo(relativa, 2).value_or(QString());
    if (relativa > kRugosidadRelativaMaxima)
        return TextoBilingue{
            QStringLiteral("Rugosidad relativa ε/D %1, por encima de 0,05: el factor de Colebrook "
                           "está extrapolado fuera del diagrama de Moody")
                .arg(relativaTexto),
            QStringLiteral("Relative roughness ε/D %1, above 0,05: the Colebrook factor is "
                           "extrapolated beyond the Moody chart")
                .arg(relativaTexto)};
    return std::nullopt;
}

} // namespace

std::optional<NotaTuberia> avisoEntradas(const CamposTexto &c) {
    QStringList es, en;
    for (const QString &n : entradasVisibles(c)) {
        const auto motivo = problemaNumero(c.texto(n), *requisito(n));
        if (!motivo)
            continue;
        const Campo *campo = campos().campo(n);
        const TextoBilingue m = mensajeCampo(campo->rotuloNota(), *motivo);
        es << m.espanol;
        en << m.ingles;
    }
    if (const auto r = avisoRugosidad(c)) {
        es << r->espanol;
        en << r->ingles;
    }
    if (es.isEmpty())
        return std::nullopt;
    return NotaTuberia{{es.join(QStringLiteral(". ")), en.join(QStringLiteral(". "))},
                       ColorNota::Rojo};
}

} // namespace vorlo::tuberia
