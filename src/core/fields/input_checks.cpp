#include "input_checks.h"

#include "fields/numbers.h"

#include <cmath>

namespace vorlo {

namespace {

// A letter that is not the exponent of a number, or a unit's sign: the user typed a unit.
bool llevaUnidad(QStringView t) {
    for (const QChar c : t) {
        if (c.isLetter() && c != u'e' && c != u'E')
            return true;
        if (c == u'/' || c == u'%' || c == u'³' || c == u'²' || c == u'º' || c == u'°')
            return true;
    }
    // "36 m" has a letter; "36 e" or a blank inside digits is a unit's leftover too.
    return t.trimmed().contains(u' ');
}

} // namespace

std::optional<TextoBilingue> motivoNoNumero(QStringView texto) {
    if (leerNumero(texto))
        return std::nullopt;
    if (llevaUnidad(texto))
        return TextoBilingue{
            QStringLiteral("lleva una unidad o letras; escriba solo el número, en la unidad "
                           "del campo"),
            QStringLiteral("holds a unit or letters; type the number alone, in the field's "
                           "unit")};
    QString conComa = texto.toString();
    conComa.replace(u'.', u',');
    if (texto.contains(u'.') && leerNumero(conComa))
        return TextoBilingue{QStringLiteral("tiene un punto donde se espera la coma decimal"),
                             QStringLiteral("has a point where a decimal comma is expected")};
    return TextoBilingue{QStringLiteral("no es un número"), QStringLiteral("is not a number")};
}

std::optional<TextoBilingue> problemaNumero(QStringView texto, Requisito requisito) {
    if (texto.trimmed().isEmpty())
        return std::nullopt;
    const auto x = leerNumero(texto);
    if (!x)
        return motivoNoNumero(texto);
    return problemaValor(*x, requisito);
}

std::optional<TextoBilingue> problemaValor(double x, Requisito requisito) {
    switch (requisito) {
    case Requisito::Cualquiera:
        return std::nullopt;
    case Requisito::Positivo:
        if (x > 0)
            return std::nullopt;
        return TextoBilingue{QStringLiteral("debe ser mayor que cero"),
                             QStringLiteral("must be greater than zero")};
    case Requisito::NoNegativo:
        break;
    case Requisito::EnteroNoNegativo:
        if (x >= 0 && x != std::floor(x))
            return TextoBilingue{QStringLiteral("debe ser un número entero"),
                                 QStringLiteral("must be a whole number")};
        break;
    }
    if (x >= 0)
        return std::nullopt;
    return TextoBilingue{QStringLiteral("no puede ser menor que cero"),
                         QStringLiteral("cannot be negative")};
}

TextoBilingue mensajeCampo(const TextoBilingue &rotulo, const TextoBilingue &motivo) {
    return {rotulo.espanol + QStringLiteral(": ") + motivo.espanol,
            rotulo.ingles + QStringLiteral(": ") + motivo.ingles};
}

// A text that is no number, or whose value (the unrounded one in the exact mode) the
// quantity cannot take.
bool CamposValidos::invalido(const QString &campo) const {
    const auto r = m_regla(campo);
    const QString t = m_campos.texto(campo);
    if (!r || t.isEmpty())
        return false;
    const auto x = m_campos.valor(campo);
    return !x || problemaValor(*x, *r).has_value();
}

QString CamposValidos::texto(const QString &campo) const {
    return invalido(campo) ? QString() : m_campos.texto(campo);
}

std::optional<double> CamposValidos::valor(const QString &campo) const {
    if (invalido(campo))
        return std::nullopt;
    return m_campos.valor(campo);
}

} // namespace vorlo
