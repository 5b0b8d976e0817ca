#pragma once

#include <QString>

// Entry point of the line sizing window, implemented in sizing/.
namespace vorlo {

// What the window starts from, as texts in its own units; any may be empty.
struct DatosDimensionado {
    QString caudal;             // m3/h
    QString densidad;           // kg/m3
    QString viscosidadDinamica; // Pa·s
    QString rugosidad;          // mm
};

// Shows the line sizing window (one at a time, brought to the front if open) and fills it from
// `datos`: every text that is not empty replaces its field's, then the table is recalculated
// once. After that the window is independent of whoever opened it.
void abrirDimensionado(const DatosDimensionado &datos);

} // namespace vorlo
