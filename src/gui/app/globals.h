#pragma once

#include "fittings/k_metodos.h"

#include <QString>
#include <QVariant>
#include <array>

// The program's shared state, through which windows hand values to each other. Alive from
// start to end; the language and every value live only while the program runs.
namespace vorlo {

// Current language: "ESPAÑOL" or "INGLÉS"; empty only before the start screen has loaded.
inline QString Idioma;
// Quantity kind the unit converter is opened for (one of the kinds of units/conversionuds.h).
inline QString MagnitudConversor;
// Value handed back by the converter, in the kind's base unit; 0 means nothing to hand back.
inline double ValorConvertido = 0;
// Set beside ValorConvertido when a value was accepted, so that an accepted 0 (0 ºC, a real
// temperature) can be told from "nothing waiting".
inline bool ValorConvertidoEsperando = false;
// Catalogue scratch tables, filled by the catalogue windows as they load.
inline std::array<double, 101> TablaRugosidad{};
inline std::array<QVariant, 501> TablaViscosidad{};
inline std::array<QVariant, 501> TablaDensidad{};

// The fittings window's K method: a window opened again, or anew after its close, shows the one
// chosen last.
inline MetodoK MetodoAccesorios = MetodoK::Tabla;

// Back to the state at program start (for tests).
void reiniciarGlobales();

} // namespace vorlo
