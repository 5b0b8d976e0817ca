#pragma once

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

#include <QString>
#include <QStringList>

// The pipe flow window's decisions as data: which fields are inputs, which can be computed,
// and which inputs each computed field needs.
namespace vorlo::reynolds {

// Text boxes the user fills (white).
inline const QStringList kEntradas = {tuberia::Qproceso,    tuberia::dproceso, tuberia::vdinamica,
                                      tuberia::Vcinematica, tuberia::dint,     tuberia::Rugosidad,
                                      tuberia::L,           tuberia::Desnivel, tuberia::ktotal};

// Fields and result labels the program can compute (light blue).
inline const QStringList kCalculables = {tuberia::Vproceso,
                                         tuberia::Re,
                                         tuberia::ffinal,
                                         tuberia::fexacta,
                                         tuberia::DP,
                                         tuberia::DPbar,
                                         tuberia::DPtotalm,
                                         tuberia::DPbarTotal,
                                         tuberia::PerdidaAccesorios,
                                         tuberia::PcargaTuberiaYaccesorios};

// Text boxes that take the numeric key filter.
inline const QStringList kConFiltro = {tuberia::Qproceso,    tuberia::dproceso, tuberia::vdinamica,
                                       tuberia::Vcinematica, tuberia::dint,     tuberia::Rugosidad,
                                       tuberia::Vproceso,    tuberia::Re,       tuberia::ffinal,
                                       tuberia::L,           tuberia::Desnivel};

// Text boxes whose change runs the calculation (dint has a rule of its own).
inline const QStringList kRecalculanAlCambiar = {
    tuberia::Qproceso,    tuberia::dproceso,  tuberia::vdinamica,
    tuberia::Vcinematica, tuberia::Vproceso,  tuberia::Re,
    tuberia::ffinal,      tuberia::Rugosidad, tuberia::L};

// Text boxes whose loss of focus runs the calculation (dproceso and Re have rules of their own).
inline const QStringList kRecalculanAlSalir = {tuberia::Qproceso,  tuberia::dint,
                                               tuberia::Rugosidad, tuberia::vdinamica,
                                               tuberia::Vproceso,  tuberia::L};

// Controls shown only in liquids mode.
inline const QStringList kSoloLiquidos = {tuberia::L,
                                          QStringLiteral("Label15"),
                                          tuberia::DPbarTotal,
                                          QStringLiteral("Label14"),
                                          QStringLiteral("Command15"),
                                          tuberia::PcargaTuberiaYaccesorios,
                                          QStringLiteral("Label21"),
                                          QStringLiteral("Command8"),
                                          tuberia::Desnivel,
                                          QStringLiteral("Label22"),
                                          QStringLiteral("Label23"),
                                          QStringLiteral("Label24"),
                                          tuberia::DPtotalm,
                                          QStringLiteral("Label27")};

// Emptied by a switch of mode.
inline const QStringList kVaciadosAlCambiarModo = {
    tuberia::Qproceso, tuberia::dproceso, tuberia::vdinamica, tuberia::Vproceso,
    tuberia::Re,       tuberia::ffinal,   tuberia::DP,        tuberia::DPbar};

// Emptied by clearing the screen.
inline const QStringList kVaciadosAlBorrar = {tuberia::Qproceso,
                                              tuberia::dproceso,
                                              tuberia::vdinamica,
                                              tuberia::Vcinematica,
                                              tuberia::dint,
                                              tuberia::Vproceso,
                                              tuberia::Re,
                                              tuberia::Rugosidad,
                                              tuberia::ffinal,
                                              tuberia::L,
                                              tuberia::ktotal,
                                              tuberia::DP,
                                              tuberia::DPbar,
                                              tuberia::DPbarTotal,
                                              tuberia::PerdidaAccesorios,
                                              tuberia::PcargaTuberiaYaccesorios,
                                              tuberia::DPtotalm};

// The inputs the field under the mouse needs. `opcion3`/`opcion4`: the viscosity choice;
// `reBajo2000`: the value of Re is below 2000 (or Re holds no number).
QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajo2000);

} // namespace vorlo::reynolds
