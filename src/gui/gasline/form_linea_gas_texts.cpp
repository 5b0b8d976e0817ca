#include "form_linea_gas_texts.h"

#include "fields/language.h"
#include "fields/numbers.h"
#include "gasline/gas_line_fields.h"
#include "gasline/gas_line_notes.h"

#include <QHash>

namespace vorlo {

namespace {
namespace c = lineagas::campos;
} // namespace

const QList<TextoControl> &textosBotonesLineaGas() {
    static const QList<TextoControl> textos = {
        {QStringLiteral("CommandGasoducto"), TextoControl::Texto, QStringLiteral("Gasoducto…"),
         QStringLiteral("Gas pipeline…")},
        {QStringLiteral("TomarTuberiaLinea"), TextoControl::Texto,
         QStringLiteral("Tomar de la tubería"), QStringLiteral("Take from pipe")}};
    return textos;
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
        {c::TLinea,
         {"Temperatura del gas en toda la línea, a la que corresponde la densidad a P1: queda "
          "anotada en el caso y la nota (el cálculo isotérmico no la usa)",
          "Gas temperature all along the line, which the density at P1 belongs to: it is "
          "recorded in the case and the note (the isothermal calculation does not use it)"}},
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
        {c::GammaLinea,
         {"Cociente de calores específicos cp/cv, para la velocidad del sonido (gas natural 1,3)",
          "Ratio of specific heats cp/cv, for the speed of sound (natural gas 1.3)"}},
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
        {c::Mach1Linea,
         {"V1/c con c = √(γ·P1/ρ1), constante en la línea isotérmica. Por encima de 0,3, aviso",
          "V1/c with c = √(γ·P1/ρ1), constant along the isothermal line. Above 0.3, a warning"}},
        {c::Mach2Linea,
         {"V2/c con c = √(γ·P1/ρ1), constante en la línea isotérmica. Por encima de 0,3, aviso",
          "V2/c with c = √(γ·P1/ρ1), constant along the isothermal line. Above 0.3, a warning"}},
        {c::VeLinea,
         {"Velocidad erosional de API RP 14E a la salida, 1,2199·100/√ρ2: V2 no debe superarla",
          "API RP 14E erosional velocity at the outlet, 1.2199·100/√ρ2: V2 should not exceed "
          "it"}},
    };
    return (esEntrada ? entradas : resultados).value(campo);
}

} // namespace vorlo
