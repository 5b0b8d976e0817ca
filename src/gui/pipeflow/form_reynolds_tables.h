#pragma once

#include "pipeflow/pipe_fields.h"

#include <QString>
#include <QStringList>

// The pipe flow window's lists of controls, read from the pipe's field table.
namespace vorlo::reynolds {

using tuberia::necesarios;

inline bool cajaDeEntrada(const Campo &c) {
    return c.rol == Rol::Entrada && c.tiene(Caja);
}

// Text boxes the user fills (white).
inline const QStringList kEntradas = tuberia::campos().nombres(cajaDeEntrada);
// Fields and result labels the program can compute (light blue).
inline const QStringList kCalculables = tuberia::campos().conRol(Rol::Resultado);
// Text boxes that take the numeric key filter.
inline const QStringList kConFiltro = tuberia::campos().conMarca(FiltroNumerico);
// Text boxes whose change runs the calculation (dint has a rule of its own).
inline const QStringList kRecalculanAlCambiar = tuberia::campos().conMarca(RecalculaAlCambiar);
// Text boxes whose loss of focus runs the calculation (dproceso and Re have rules of their own).
inline const QStringList kRecalculanAlSalir = tuberia::campos().conMarca(RecalculaAlSalir);
// Emptied by a switch of mode, and by clearing the screen, in this order.
inline const QStringList kVaciadosAlCambiarModo = tuberia::campos().conMarca(VaciaAlCambiarModo);
inline const QStringList kVaciadosAlBorrar = tuberia::campos().conMarca(VaciaAlBorrar);

// Controls shown only in liquids mode: those fields with their captions and units.
QStringList soloLiquidos();

} // namespace vorlo::reynolds
