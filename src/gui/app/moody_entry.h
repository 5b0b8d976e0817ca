#pragma once

#include <QString>

// Entry points of the Moody chart window, implemented in moody/. The chart knows the pipe
// window only through these texts.
namespace vorlo {

// The pipe window's texts that the chart shows, exactly as that window holds them.
struct EstadoMoody {
    QString re;        // Re
    QString ffinal;    // the grid friction factor the results use
    QString rugosidad; // Rugosidad, mm
    QString dint;      // dint, mm
    QString fexacta;   // the exact Colebrook root

    bool operator==(const EstadoMoody &) const = default;
};

// Shows the Moody chart (creating it) with that state.
void abrirMoody(const EstadoMoody &e);
// Moves the chart's markers to that state if the window exists; otherwise does nothing.
void actualizarMoody(const EstadoMoody &e);

} // namespace vorlo
