#pragma once

#include "app/texts.h"

namespace vorlo {

// Every text the pipe flow window's flags switch.
const QList<TextoControl> &textosFormReynolds();

// Help-line hints.
using PistaAyuda = TextoBilingue;
const PistaAyuda &pistaGeneral();
const PistaAyuda &pistaCaudal();
const PistaAyuda &pistaDensidad();
// Over the exact Colebrook root.
const PistaAyuda &pistaFexacta();
// While DP and DPbar show the totals over the length, after a double click on DPbar.
const PistaAyuda &pistaTotales();
// After a size from the sizing window, which picks with the exact factor.
const PistaAyuda &pistaExactoDimensionado();

} // namespace vorlo
