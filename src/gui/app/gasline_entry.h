#pragma once

#include <QString>

// Entry point of the gas line window, implemented in gasline/.
namespace vorlo {

// What the window starts from, as texts in its own units (bar a, kg/m3, mm, Pa s, kg/h); any
// may be empty.
struct DatosLineaGas {
    QString dint;               // internal diameter, mm
    QString rugosidad;          // roughness, mm
    QString viscosidadDinamica; // Pa s
    QString densidad;           // gas density at P1, kg/m3
    QString masicoKgH;          // mass flow, kg/h
    QString p1;                 // inlet pressure, bar a
    QString temperatura;        // the gas temperature the density belongs to, ºC
};

// Shows the gas line window (one at a time) and offers it `inicial`: a window with no inputs of
// its own takes every text that is not empty, a mass flow making it solve for P2; one with
// inputs keeps them and takes the offer on its "Take from pipe" button.
void abrirLineaGas(const DatosLineaGas &inicial);

} // namespace vorlo
