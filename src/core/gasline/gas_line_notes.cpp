#include "gas_line_notes.h"

#include "fields/input_checks.h"
#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "gasline/gas_line_fields.h"

namespace vorlo::lineagas {

namespace {
// Units that stay on the line of their number when the note wraps: a no-break space before,
// and a word joiner after the slash (a line may otherwise break there).
const QString kKgH = QStringLiteral("\u00A0kg/\u2060h");
const QString kBarA = QStringLiteral("\u00A0bar\u00A0a");

// Below this a temperature in ºC has no physical meaning.
constexpr double kCeroAbsoluto = -273.15;

// Why an input's text cannot be taken: a roughness may be zero, a temperature below zero ºC
// (not below absolute zero), the rest must be above zero.
std::optional<TextoBilingue> problemaEntrada(const QString &campo, const QString &texto) {
    if (campo != campos::TLinea)
        return problemaNumero(texto, campo == campos::RugLinea ? Requisito::NoNegativo
                                                               : Requisito::Positivo);
    if (const auto m = problemaNumero(texto, Requisito::Cualquiera))
        return m;
    const auto t = leerNumero(texto);
    if (!t || *t > kCeroAbsoluto)
        return std::nullopt;
    return TextoBilingue{QStringLiteral("debe estar por encima del cero absoluto, -273,15 ºC"),
                         QStringLiteral("must be above absolute zero, -273,15 ºC")};
}

// A fixed-decimals number as a sentence writes it: with its leading zero (",1349" is "0,1349").
std::optional<QString> enFrase(std::optional<QString> t) {
    if (t && (t->startsWith(u',') || t->startsWith(QStringLiteral("-,"))))
        t->insert(t->indexOf(u','), u'0');
    return t;
}
} // namespace

TextoBilingue textoLimites(const Salidas &s) {
    TextoBilingue t;
    for (const auto &[si, aviso] : {std::pair{s.superaErosional, limites::avisoErosional()},
                                    std::pair{s.superaMach, limites::avisoMach()}}) {
        if (!si)
            continue;
        const QString punto = t.espanol.isEmpty() ? QString() : QStringLiteral(". ");
        t.espanol += punto + aviso.espanol;
        t.ingles += punto + aviso.ingles;
    }
    return t;
}

TextoBilingue textoNota(const Salidas &s) {
    switch (s.nota) {
    case Nota::Ninguna:
        return {};
    case Nota::Ahogada: {
        const auto maximo =
            enFrase(s.masicoMaximoKgH ? formatoFijo(*s.masicoMaximoKgH, 2) : std::nullopt);
        const auto presion = enFrase(s.p2AhogoBar ? formatoFijo(*s.p2AhogoBar, 4) : std::nullopt);
        if (!maximo || !presion)
            return TextoBilingue{QStringLiteral("Línea ahogada"), QStringLiteral("Choked line")};
        // Solving for the flow, the results are the line at that flow (gas_line_window.h).
        if (s.masicoKgH)
            return TextoBilingue{
                QStringLiteral("Línea ahogada: pasa su caudal máximo, %1%3. La pérdida llega "
                               "hasta la presión de ahogo, %2%4, al final de la línea")
                    .arg(*maximo, *presion, kKgH, kBarA),
                QStringLiteral("Choked line: it carries its largest flow, %1%3. The drop goes "
                               "down to the choking pressure, %2%4, at the line's end")
                    .arg(*maximo, *presion, kKgH, kBarA)};
        return TextoBilingue{
            QStringLiteral("Línea ahogada: el caudal máximo que puede pasar es %1%3, con una "
                           "presión de ahogo de %2%4")
                .arg(*maximo, *presion, kKgH, kBarA),
            QStringLiteral("Choked line: the largest flow it can carry is %1%3, at a choking "
                           "pressure of %2%4")
                .arg(*maximo, *presion, kKgH, kBarA)};
    }
    case Nota::DatoNoValido:
        return TextoBilingue{
            QStringLiteral("Hay un dato no válido: presiones, densidad, diámetro, longitud, "
                           "viscosidad, caudal y f deben ser mayores que cero, y la rugosidad no "
                           "puede ser negativa"),
            QStringLiteral("A value is not valid: pressures, density, diameter, length, "
                           "viscosity, flow and f must be greater than zero, and the roughness "
                           "cannot be negative")};
    case Nota::P2NoMenorQueP1:
        return TextoBilingue{QStringLiteral("P2 debe ser menor que P1"),
                             QStringLiteral("P2 must be lower than P1")};
    case Nota::SinFriccion:
        return TextoBilingue{
            QStringLiteral("La ecuación de Colebrook no tiene solución con esta rugosidad y este "
                           "diámetro"),
            QStringLiteral("The Colebrook equation has no solution with this roughness and "
                           "diameter")};
    case Nota::SinSolucion:
        return TextoBilingue{
            QStringLiteral("Estos datos no dan un resultado que se pueda calcular"),
            QStringLiteral("These data give no result that can be calculated")};
    case Nota::Laminar:
        return TextoBilingue{
            QStringLiteral("Re < 2000, flujo laminar: el f de Colebrook es para flujo turbulento. "
                           "Marque \"Factor de fricción dado\" y escriba f = 64/Re"),
            QStringLiteral("Re < 2000, laminar flow: the Colebrook f is for turbulent flow. Tick "
                           "\"Given friction factor\" and enter f = 64/Re")};
    case Nota::CaidaGrande:
        return TextoBilingue{
            QStringLiteral("La pérdida supera el 10 % de P1: aquí un cálculo por metro, con el gas "
                           "a una sola densidad, sería engañoso"),
            QStringLiteral("The drop exceeds 10 % of P1: a per-metre calculation, with the gas at "
                           "one density, would be misleading here")};
    }
    return {};
}

TextoBilingue avisoEntradas(const std::function<QString(const QString &)> &texto, bool calcularP2,
                            bool friccionDada) {
    TextoBilingue aviso;
    for (const QString &n : campos::entradas(calcularP2, friccionDada)) {
        const auto m = problemaEntrada(n, texto(n));
        if (!m)
            continue;
        const TextoBilingue frase = mensajeCampo(campos::tabla().campo(n)->rotulo, *m);
        const QString separador = aviso.espanol.isEmpty() ? QString() : QStringLiteral(". ");
        aviso.espanol += separador + frase.espanol;
        aviso.ingles += separador + frase.ingles;
    }
    return aviso;
}

NotaVentana notaVentana(const Salidas &s, const TextoBilingue &avisoEntradas) {
    NotaVentana n{avisoEntradas, !avisoEntradas.espanol.isEmpty()};
    const auto anadir = [&n](const TextoBilingue &t) {
        if (t.espanol.isEmpty())
            return;
        const bool primera = n.texto.espanol.isEmpty();
        n.texto.espanol += (primera ? QString() : QStringLiteral(". ")) + t.espanol;
        n.texto.ingles += (primera ? QString() : QStringLiteral(". ")) + t.ingles;
    };
    if (!(n.roja && s.nota == Nota::DatoNoValido))
        anadir(textoNota(s));
    const TextoBilingue limites = textoLimites(s);
    anadir(limites);
    n.roja = n.roja || s.nota == Nota::Ahogada || !limites.espanol.isEmpty();
    return n;
}

} // namespace vorlo::lineagas
