#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "gaspipe/gas_pipe.h"

#include <QString>
#include <array>
#include <optional>

// The gas pipeline calculation in the window's units (ºC, bar a, mm, m, Pa s, standard m3/h,
// kg/h), shared by the window and `vorlo gaspipe`.
namespace vorlo::gasoducto {

// The inputs; nullopt where a field is empty or holds no number. Tb, Pb, gamma and C take
// their defaults when empty; E takes each equation's own.
struct Entradas {
    Ecuacion ecuacion = Ecuacion::General;
    std::optional<double> sg, tC, z, gamma, viscosidad, dMm, l, rugosidadMm, e, tbC, pbBar,
        cErosional, p1Bar, p2Bar, qSm3h;
};

// The inputs of the window's texts: P2 read when solving for the flow, Q when solving for P2.
// nullopt for an equation key that is not one.
std::optional<Entradas> leerEntradas(const CamposTexto &campos);
// Whether the window solves for the flow (its first option) rather than for P2.
bool calculaCaudal(const CamposTexto &campos);

struct Salidas {
    std::optional<Datos> datos; // nullopt: a needed input is empty, nothing to say yet
    Resultado resultado;
    std::array<Resultado, 5> comparacion;
};
// nullopt when SG, T, Z, D, L or P1 is missing.
std::optional<Datos> datosDe(const Entradas &e);
Salidas calcular(const Entradas &e);

// A result field's value in its unit, from a solved line; nullopt for a field that is not one,
// or a line without numbers.
std::optional<double> valorCampo(const QString &campo, const Resultado &r);

// One pass of the window: reads the inputs, writes every result (the flow or P2 by the option)
// and the warnings note, or empties them all. Returns what it computed.
Salidas calcularCampos(CamposTexto &campos, Lengua lengua);

} // namespace vorlo::gasoducto
