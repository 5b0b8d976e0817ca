#pragma once

#include "moody/moody_draw.h"

// Entry points of the Moody chart window, implemented in moody/. The chart knows the pipe
// window only through the texts of EstadoMoody.
namespace vorlo {

// Shows the Moody chart (creating it) with that state.
void abrirMoody(const EstadoMoody &e);
// Moves the chart's markers to that state if the window exists; otherwise does nothing.
void actualizarMoody(const EstadoMoody &e);

} // namespace vorlo
