#include "gas_pipe_notes.h"

#include "fields/numbers.h"

#include <QStringList>

namespace vorlo::gasoducto {

namespace {

TextoBilingue t(const char *espanol, const char *ingles) {
    return {QString::fromUtf8(espanol), QString::fromUtf8(ingles)};
}

TextoBilingue valorNoValido(Motivo m) {
    switch (m) {
    case Motivo::SGNoValida:
        return t("La densidad relativa SG debe ser mayor que cero",
                 "The specific gravity SG must be greater than zero");
    case Motivo::TNoValida:
        return t("La temperatura debe estar por encima del cero absoluto",
                 "The temperature must be above absolute zero");
    case Motivo::ZNoValida:
        return t("La compresibilidad Z debe ser mayor que cero",
                 "The compressibility Z must be greater than zero");
    case Motivo::GammaNoValida:
        return t("El cociente de calores γ debe ser mayor que cero",
                 "The ratio of specific heats γ must be greater than zero");
    case Motivo::ViscosidadNoValida:
        return t("La viscosidad debe ser mayor que cero",
                 "The viscosity must be greater than zero");
    case Motivo::DiametroNoValido:
        return t("El diámetro debe ser mayor que cero", "The diameter must be greater than zero");
    case Motivo::LongitudNoValida:
        return t("La longitud debe ser mayor que cero", "The length must be greater than zero");
    case Motivo::RugosidadNoValida:
        return t("La rugosidad no puede ser negativa", "The roughness cannot be negative");
    case Motivo::EficienciaNoValida:
        return t("La eficiencia E debe ser mayor que cero y no mayor que 1",
                 "The efficiency E must be greater than zero and not above 1");
    case Motivo::BaseNoValida:
        return t("La temperatura y la presión base deben ser mayores que cero (K, bar a)",
                 "The base temperature and pressure must be greater than zero (K, bar a)");
    case Motivo::CErosionalNoValida:
        return t("La C de API RP 14E debe ser mayor que cero",
                 "The API RP 14E C must be greater than zero");
    default:
        return {};
    }
}

TextoBilingue flujoNoValido(const Resultado &r) {
    switch (r.motivo) {
    case Motivo::P1NoValida:
        return t("P1 debe ser mayor que cero", "P1 must be greater than zero");
    case Motivo::P2NoValida:
        return t("P2 debe ser mayor que cero", "P2 must be greater than zero");
    case Motivo::P2NoMenorQueP1:
        return t("P2 debe ser menor que P1", "P2 must be lower than P1");
    case Motivo::CaudalNoValido:
        return t("El caudal debe ser mayor que cero", "The flow must be greater than zero");
    case Motivo::CaudalYP2:
        return t("Dé el caudal o P2, no los dos", "Give the flow or P2, not both");
    case Motivo::NiCaudalNiP2:
        return t("Falta el caudal o P2", "The flow or P2 is missing");
    case Motivo::FaltaViscosidad:
        return t("Esta ecuación necesita la viscosidad", "This equation needs the viscosity");
    case Motivo::FaltaRugosidad:
        return t("La ecuación general necesita la rugosidad",
                 "The general flow equation needs the roughness");
    case Motivo::CaudalExcesivo:
        return t("Con este caudal la presión de salida caería a cero: el caudal es demasiado "
                 "grande para P1",
                 "At this flow the outlet pressure would fall to zero: the flow is too large "
                 "for P1");
    case Motivo::SinSolucion:
        return t("Estos datos no dan un resultado que se pueda calcular",
                 "These data give no result that can be calculated");
    default:
        return {};
    }
}

TextoBilingue ahogada(const Resultado &r) {
    const auto q = r.caudalMaximo ? formatoFijo(*r.caudalMaximo * 3600, 2) : std::nullopt;
    const auto p = r.p2AhogoMaximo ? formatoFijo(*r.p2AhogoMaximo / kPaPorBar, 4) : std::nullopt;
    if (!q || !p)
        return t("Línea ahogada", "Choked line");
    return {QStringLiteral("Línea ahogada: el caudal máximo es %1\u00A0Sm3/h, con una presión de "
                           "ahogo de %2\u00A0bar\u00A0a")
                .arg(*q, *p),
            QStringLiteral("Choked line: the largest flow is %1\u00A0Sm3/h, at a choking "
                           "pressure of %2\u00A0bar\u00A0a")
                .arg(*q, *p)};
}

void anadir(TextoBilingue &a, const TextoBilingue &b) {
    const QString separador = QStringLiteral(". ");
    a.espanol += (a.espanol.isEmpty() ? QString() : separador) + b.espanol;
    a.ingles += (a.ingles.isEmpty() ? QString() : separador) + b.ingles;
}

} // namespace

TextoBilingue textoMotivo(const Resultado &r) {
    if (r.motivo == Motivo::Ninguno)
        return {};
    if (r.motivo == Motivo::Ahogada)
        return ahogada(r);
    const TextoBilingue v = valorNoValido(r.motivo);
    return v.espanol.isEmpty() ? flujoNoValido(r) : v;
}

TextoBilingue textoAvisos(const Resultado &r) {
    TextoBilingue a;
    if (!r.valido())
        return a;
    const limites::Limites &e = r.entrada.limites;
    const limites::Limites &s = r.salida.limites;
    if (e.superaErosional() || s.superaErosional())
        anadir(a, limites::avisoErosional());
    if (e.superaMach() || s.superaMach())
        anadir(a, limites::avisoMach());
    if (r.bajoAhogo()) {
        const QString p = formatoFijo(r.p2Ahogo / kPaPorBar, 4).value_or(QString());
        anadir(a, {QStringLiteral("P2 está por debajo de la presión de ahogo de la ecuación "
                                  "general, %1\u00A0bar\u00A0a: la línea no puede llevar este "
                                  "caudal")
                       .arg(p),
                   QStringLiteral("P2 is below the choking pressure of the general flow "
                                  "equation, %1\u00A0bar\u00A0a: the line cannot carry this flow")
                       .arg(p)});
    }
    return a;
}

TextoBilingue textoNota(const Resultado &r) {
    return r.valido() ? textoAvisos(r) : textoMotivo(r);
}

TextoBilingue textoBreve(Motivo m) {
    switch (m) {
    case Motivo::Ninguno:
        return {};
    case Motivo::Ahogada:
        return t("ahogada", "choked");
    case Motivo::FaltaViscosidad:
        return t("falta µ", "needs µ");
    case Motivo::FaltaRugosidad:
        return t("falta la rugosidad", "needs roughness");
    case Motivo::CaudalExcesivo:
        return t("P2 ≤ 0", "P2 ≤ 0");
    default:
        return t("sin resultado", "no result");
    }
}

} // namespace vorlo::gasoducto
