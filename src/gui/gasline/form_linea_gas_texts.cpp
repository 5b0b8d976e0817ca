#include "form_linea_gas_texts.h"

#include "fields/language.h"
#include "fields/numbers.h"
#include "gasline/gas_line_fields.h"

#include <QHash>

namespace vorlo {

namespace {
namespace c = lineagas::campos;
// Units that stay on the line of their number when the note wraps: a no-break space before,
// and a word joiner after the slash (a line may otherwise break there).
const QString kKgH = QStringLiteral("\u00A0kg/\u2060h");
const QString kBarA = QStringLiteral("\u00A0bar\u00A0a");
} // namespace

const QList<TextoControl> &textosFormLineaGas() {
    static const QList<TextoControl> tabla =
        QList<TextoControl>{{QString(), TextoControl::Titulo, c::tabla().titulo().espanol,
                             c::tabla().titulo().ingles}} +
        textosDeCampos(c::tabla());
    return tabla;
}

const TextoBilingue &pistaGeneralLinea() {
    static const TextoBilingue p{
        "Los campos que se pueden calcular figuran en AZUL. Pase el ratón sobre ellos y se "
        "marcarán en rojo los datos que necesita su cálculo",
        "Fields that can be calculated are in BLUE. Move the mouse over one and the data its "
        "calculation needs are marked in RED"};
    return p;
}

TextoBilingue pistaLinea(const QString &campo, bool esEntrada) {
    static const QHash<QString, TextoBilingue> entradas = {
        {c::P1Linea,
         {"Presión absoluta a la entrada de la línea", "Absolute pressure at the line's inlet"}},
        {c::Densidad1,
         {"Densidad del gas a P1 y a la temperatura de la línea, que es la misma en toda ella",
          "Gas density at P1 and the line temperature, which is the same all along the line"}},
        {c::DLinea,
         {"Diámetro interior, el mismo en toda la línea",
          "Internal diameter, the same all along the line"}},
        {c::RugLinea,
         {"Rugosidad de la pared, para el factor de fricción de Colebrook",
          "Roughness of the wall, for the Colebrook friction factor"}},
        {c::ViscLinea,
         {"Viscosidad dinámica del gas, para el número de Reynolds",
          "Dynamic viscosity of the gas, for the Reynolds number"}},
        {c::LLinea,
         {"Longitud de la línea recta, sin desnivel", "Length of the straight line, level"}},
        {c::MasicoLinea,
         {"Caudal másico que debe pasar la línea", "Mass flow the line must carry"}},
        {c::P2Linea,
         {"Presión absoluta a la salida de la línea", "Absolute pressure at the line's outlet"}},
        {c::fLinea,
         {"Factor de fricción de Darcy que usará el cálculo",
          "Darcy friction factor the calculation will use"}},
    };
    static const QHash<QString, TextoBilingue> resultados = {
        {c::P2Linea,
         {"Presión a la salida con la que la línea pasa el caudal dado, con flujo isotérmico en "
          "toda su longitud",
          "Outlet pressure at which the line carries the given flow, with isothermal flow over "
          "its whole length"}},
        {c::MasicoLinea,
         {"Caudal másico que pasa la línea de P1 a P2, con flujo isotérmico en toda su longitud",
          "Mass flow the line carries from P1 to P2, with isothermal flow over its whole "
          "length"}},
        {c::DeltaPLinea,
         {"Pérdida de carga de toda la línea, P1 − P2", "Pressure drop over the whole line, P1 − "
                                                        "P2"}},
        {c::DeltaPPorc,
         {"La pérdida en % de P1. Por encima del 10 % el cálculo por metro no sirve",
          "The drop as a percentage of P1. Above 10 % a per-metre calculation does not hold"}},
        {c::ReLinea,
         {"Reynolds = 4·ṁ/(π·D·µ), el mismo en toda la línea",
          "Reynolds = 4·ṁ/(π·D·µ), the same all along the line"}},
        {c::fLinea,
         {"Factor de fricción de Darcy: la raíz exacta de Colebrook al Reynolds del caudal",
          "Darcy friction factor: the exact Colebrook root at the flow's Reynolds number"}},
        {c::V1Linea, {"Velocidad a la entrada, ṁ/(ρ1·A)", "Inlet velocity, ṁ/(ρ1·A)"}},
        {c::V2Linea,
         {"Velocidad a la salida: el gas se expande y acelera, V2 = V1·P1/P2",
          "Outlet velocity: the gas expands and speeds up, V2 = V1·P1/P2"}},
        {c::VLimite,
         {"Velocidad límite isotérmica √(P1/ρ1): la salida no la puede superar; un caudal que la "
          "exigiera ahoga la línea",
          "Isothermal limit velocity √(P1/ρ1): the outlet cannot exceed it; a flow that would "
          "need more chokes the line"}},
    };
    return (esEntrada ? entradas : resultados).value(campo);
}

QString textoNota(const lineagas::Salidas &s, const QString &idioma) {
    using lineagas::Nota;
    switch (s.nota) {
    case Nota::Ninguna:
        return {};
    case Nota::Ahogada: {
        const auto maximo = s.masicoMaximoKgH ? formatoFijo(*s.masicoMaximoKgH, 2) : std::nullopt;
        const auto presion = s.p2AhogoBar ? formatoFijo(*s.p2AhogoBar, 4) : std::nullopt;
        if (!maximo || !presion)
            return segunIdioma(idioma, QStringLiteral("Línea ahogada"),
                               QStringLiteral("Choked line"));
        // Solving for the flow, the results are the line at that flow (gas_line_window.h).
        if (s.masicoKgH)
            return segunIdioma(
                idioma,
                QStringLiteral("Línea ahogada: pasa su caudal máximo, %1%3. La pérdida llega "
                               "hasta la presión de ahogo, %2%4, al final de la línea")
                    .arg(*maximo, *presion, kKgH, kBarA),
                QStringLiteral("Choked line: it carries its largest flow, %1%3. The drop goes "
                               "down to the choking pressure, %2%4, at the line's end")
                    .arg(*maximo, *presion, kKgH, kBarA));
        return segunIdioma(
            idioma,
            QStringLiteral("Línea ahogada: el caudal máximo que puede pasar es %1%3, con una "
                           "presión de ahogo de %2%4")
                .arg(*maximo, *presion, kKgH, kBarA),
            QStringLiteral("Choked line: the largest flow it can carry is %1%3, at a choking "
                           "pressure of %2%4")
                .arg(*maximo, *presion, kKgH, kBarA));
    }
    case Nota::DatoNoValido:
        return segunIdioma(
            idioma,
            QStringLiteral("Hay un dato no válido: presiones, densidad, diámetro, longitud, "
                           "viscosidad, caudal y f deben ser mayores que cero, y la rugosidad no "
                           "puede ser negativa"),
            QStringLiteral("A value is not valid: pressures, density, diameter, length, "
                           "viscosity, flow and f must be greater than zero, and the roughness "
                           "cannot be negative"));
    case Nota::P2NoMenorQueP1:
        return segunIdioma(idioma, QStringLiteral("P2 debe ser menor que P1"),
                           QStringLiteral("P2 must be lower than P1"));
    case Nota::SinFriccion:
        return segunIdioma(
            idioma,
            QStringLiteral("La ecuación de Colebrook no tiene solución con esta rugosidad y este "
                           "diámetro"),
            QStringLiteral("The Colebrook equation has no solution with this roughness and "
                           "diameter"));
    case Nota::SinSolucion:
        return segunIdioma(idioma,
                           QStringLiteral("Estos datos no dan un resultado que se pueda calcular"),
                           QStringLiteral("These data give no result that can be calculated"));
    case Nota::Laminar:
        return segunIdioma(
            idioma,
            QStringLiteral("Re < 2000, flujo laminar: el f de Colebrook es para flujo turbulento. "
                           "Marque \"Factor de fricción dado\" y escriba f = 64/Re"),
            QStringLiteral("Re < 2000, laminar flow: the Colebrook f is for turbulent flow. Tick "
                           "\"Given friction factor\" and enter f = 64/Re"));
    case Nota::CaidaGrande:
        return segunIdioma(
            idioma,
            QStringLiteral("La pérdida supera el 10 % de P1: aquí un cálculo por metro, con el gas "
                           "a una sola densidad, sería engañoso"),
            QStringLiteral("The drop exceeds 10 % of P1: a per-metre calculation, with the gas at "
                           "one density, would be misleading here"));
    }
    return {};
}

} // namespace vorlo
