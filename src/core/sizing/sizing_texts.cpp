#include "sizing.h"

#include "fields/numbers.h"

namespace vorlo {

namespace {

TextoBilingue ambas(const QString &texto) {
    return {texto, texto};
}

const Formato kFormatoDiametro{Formato::Fijo, 2};
const Formato kFormatoVelocidad{Formato::Fijo, 2};
const Formato kFormatoRe{Formato::Fijo, 0};
const Formato kFormatoFriccion{Formato::Fijo, 4}; // as the pipe window shows f
// The table's drop per 100 m with four decimals; the pick's line names it with three
// significant digits ("0,262 bar/100 m"), which reads better in a sentence.
const Formato kFormatoPerdida{Formato::Fijo, 4};
const Formato kFormatoPerdidaEleccion{Formato::Significativas, 3};

QString aplicar(const Formato &formato, const std::optional<double> &x) {
    return x ? formato.aplicar(*x).value_or(QString()) : QString();
}

} // namespace

TextoBilingue textoMotivo(MotivoInvalido motivo) {
    switch (motivo) {
    case MotivoInvalido::Caudal:
        return {QStringLiteral("El caudal debe ser un número mayor que cero."),
                QStringLiteral("The flow rate must be a number greater than zero.")};
    case MotivoInvalido::Densidad:
        return {QStringLiteral("La densidad debe ser un número mayor que cero."),
                QStringLiteral("The density must be a number greater than zero.")};
    case MotivoInvalido::Viscosidad:
        return {QStringLiteral("La viscosidad debe ser un número mayor que cero."),
                QStringLiteral("The viscosity must be a number greater than zero.")};
    case MotivoInvalido::Rugosidad:
        return {QStringLiteral("La rugosidad debe ser un número igual o mayor que cero."),
                QStringLiteral("The roughness must be a number equal to or greater than zero.")};
    case MotivoInvalido::VelocidadMaxima:
        return {QStringLiteral("La velocidad máxima, si se da, debe ser mayor que cero."),
                QStringLiteral("The maximum velocity, when given, must be greater than zero.")};
    case MotivoInvalido::PerdidaMaxima:
        return {QStringLiteral("La pérdida máxima, si se da, debe ser mayor que cero."),
                QStringLiteral("The maximum drop, when given, must be greater than zero.")};
    case MotivoInvalido::Cedula:
        return {QStringLiteral("Ningún tamaño de esta norma tiene esa cédula."),
                QStringLiteral("No size of this standard has that schedule.")};
    }
    return {};
}

TextoBilingue textoNingunoCumple() {
    return {QStringLiteral("Ningún tamaño cumple los criterios"),
            QStringLiteral("No size meets the criteria")};
}

TextoBilingue textoSinCriterio() {
    return {QStringLiteral("Sin criterio no se elige tamaño: indique una velocidad o una pérdida "
                           "máxima, o elija un servicio"),
            QStringLiteral("No criterion, no pick: give a maximum velocity or drop, or choose a "
                           "service")};
}

QString describirEleccion(const TuberiaNormalizada &t, const QString &velocidad,
                          const std::optional<QString> &perdida) {
    QString texto = QStringLiteral("%1 — %2 m/s").arg(designacionTuberia(t), velocidad);
    if (perdida)
        texto += QStringLiteral(", %1 bar/100 m").arg(*perdida);
    return texto;
}

TextoBilingue textoEleccion(const FilaDimensionado &fila) {
    std::optional<QString> perdida;
    if (fila.perdida)
        perdida = aplicar(kFormatoPerdidaEleccion, fila.perdida);
    return ambas(
        describirEleccion(fila.tuberia, aplicar(kFormatoVelocidad, fila.velocidad), perdida));
}

std::optional<TextoBilingue> textoExtrapolado(const Dimensionado &d) {
    const FilaDimensionado *f = d.ultimaExtrapolada();
    if (!f)
        return std::nullopt;
    const QString tamano = designacionTuberia(f->tuberia);
    return TextoBilingue{
        QStringLiteral("ε/D por encima de 0,05 hasta %1: el factor de Colebrook de esos tamaños "
                       "está extrapolado fuera del diagrama de Moody")
            .arg(tamano),
        QStringLiteral("ε/D above 0,05 up to %1: the Colebrook factor of those sizes is "
                       "extrapolated beyond the Moody chart")
            .arg(tamano)};
}

TextoBilingue textoResultado(const Dimensionado &d) {
    if (d.motivo)
        return textoMotivo(*d.motivo);
    TextoBilingue t = d.eleccion()    ? textoEleccion(*d.eleccion())
                      : d.sinCriterio ? textoSinCriterio()
                                      : textoNingunoCumple();
    if (const auto extrapolado = textoExtrapolado(d)) {
        t.espanol += QStringLiteral(". ") + extrapolado->espanol;
        t.ingles += QStringLiteral(". ") + extrapolado->ingles;
    }
    return t;
}

const QList<ColumnaDimensionado> &columnasDimensionado() {
    static const QList<ColumnaDimensionado> columnas = {
        {rotulosTuberia::Nominal, {}},
        {{QStringLiteral("DI mm"), QStringLiteral("ID mm")}, kFormatoDiametro},
        {{QStringLiteral("Velocidad m/s"), QStringLiteral("Velocity m/s")}, kFormatoVelocidad},
        {ambas(QStringLiteral("Re")), kFormatoRe},
        {ambas(QStringLiteral("f")), kFormatoFriccion},
        {{QStringLiteral("Pérdida bar/100 m"), QStringLiteral("Drop bar/100 m")}, kFormatoPerdida},
        {{QStringLiteral("Cumple"), QStringLiteral("Meets")}, {}},
    };
    return columnas;
}

QStringList celdasDimensionado(const FilaDimensionado &fila, Lengua lengua) {
    const TextoBilingue cumple = fila.cumple()
                                     ? TextoBilingue{QStringLiteral("Sí"), QStringLiteral("Yes")}
                                     : ambas(QStringLiteral("No"));
    return {textoNominal(fila.tuberia),
            aplicar(kFormatoDiametro, fila.tuberia.interior),
            aplicar(kFormatoVelocidad, fila.velocidad),
            aplicar(kFormatoRe, fila.re),
            aplicar(kFormatoFriccion, fila.f),
            aplicar(kFormatoPerdida, fila.perdida),
            cumple.en(lengua)};
}

} // namespace vorlo
