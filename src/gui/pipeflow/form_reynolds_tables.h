#pragma once

#include <QString>
#include <QStringList>

// The pipe flow window's decisions as data: which fields are inputs, which can be computed,
// and which inputs each computed field needs.
namespace vorlo::reynolds {

// Text boxes the user fills (white).
inline const QStringList kEntradas = {
    QStringLiteral("Qproceso"),    QStringLiteral("dproceso"), QStringLiteral("vdinamica"),
    QStringLiteral("Vcinematica"), QStringLiteral("dint"),     QStringLiteral("Rugosidad"),
    QStringLiteral("L"),           QStringLiteral("Desnivel"), QStringLiteral("ktotal")};

// Fields and result labels the program can compute (light blue).
inline const QStringList kCalculables = {QStringLiteral("Vproceso"),
                                         QStringLiteral("Re"),
                                         QStringLiteral("ffinal"),
                                         QStringLiteral("DP"),
                                         QStringLiteral("DPbar"),
                                         QStringLiteral("DPtotalm"),
                                         QStringLiteral("DPbarTotal"),
                                         QStringLiteral("PerdidaAccesorios"),
                                         QStringLiteral("PcargaTuberiaYaccesorios")};

// Text boxes that take the numeric key filter.
inline const QStringList kConFiltro = {
    QStringLiteral("Qproceso"),    QStringLiteral("dproceso"), QStringLiteral("vdinamica"),
    QStringLiteral("Vcinematica"), QStringLiteral("dint"),     QStringLiteral("Rugosidad"),
    QStringLiteral("Vproceso"),    QStringLiteral("Re"),       QStringLiteral("ffinal"),
    QStringLiteral("L"),           QStringLiteral("Desnivel")};

// Text boxes whose change runs the calculation (dint has a rule of its own).
inline const QStringList kRecalculanAlCambiar = {
    QStringLiteral("Qproceso"),    QStringLiteral("dproceso"),  QStringLiteral("vdinamica"),
    QStringLiteral("Vcinematica"), QStringLiteral("Vproceso"),  QStringLiteral("Re"),
    QStringLiteral("ffinal"),      QStringLiteral("Rugosidad"), QStringLiteral("L")};

// Text boxes whose loss of focus runs the calculation (dproceso and Re have rules of their own).
inline const QStringList kRecalculanAlSalir = {
    QStringLiteral("Qproceso"),  QStringLiteral("dint"),     QStringLiteral("Rugosidad"),
    QStringLiteral("vdinamica"), QStringLiteral("Vproceso"), QStringLiteral("L")};

// Controls shown only in liquids mode.
inline const QStringList kSoloLiquidos = {
    QStringLiteral("L"),          QStringLiteral("Label15"),
    QStringLiteral("DPbarTotal"), QStringLiteral("Label14"),
    QStringLiteral("Command15"),  QStringLiteral("PcargaTuberiaYaccesorios"),
    QStringLiteral("Label21"),    QStringLiteral("Command8"),
    QStringLiteral("Desnivel"),   QStringLiteral("Label22"),
    QStringLiteral("Label23"),    QStringLiteral("Label24"),
    QStringLiteral("DPtotalm"),   QStringLiteral("Label27")};

// Emptied by a switch of mode.
inline const QStringList kVaciadosAlCambiarModo = {
    QStringLiteral("Qproceso"), QStringLiteral("dproceso"), QStringLiteral("vdinamica"),
    QStringLiteral("Vproceso"), QStringLiteral("Re"),       QStringLiteral("ffinal"),
    QStringLiteral("DP"),       QStringLiteral("DPbar")};

// Emptied by clearing the screen.
inline const QStringList kVaciadosAlBorrar = {QStringLiteral("Qproceso"),
                                              QStringLiteral("dproceso"),
                                              QStringLiteral("vdinamica"),
                                              QStringLiteral("Vcinematica"),
                                              QStringLiteral("dint"),
                                              QStringLiteral("Vproceso"),
                                              QStringLiteral("Re"),
                                              QStringLiteral("Rugosidad"),
                                              QStringLiteral("ffinal"),
                                              QStringLiteral("L"),
                                              QStringLiteral("ktotal"),
                                              QStringLiteral("DP"),
                                              QStringLiteral("DPbar"),
                                              QStringLiteral("DPbarTotal"),
                                              QStringLiteral("PerdidaAccesorios"),
                                              QStringLiteral("PcargaTuberiaYaccesorios"),
                                              QStringLiteral("DPtotalm")};

// The inputs the field under the mouse needs. `opcion3`/`opcion4`: the viscosity choice;
// `reBajo2000`: the value of Re is below 2000 (or Re holds no number).
QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajo2000);

} // namespace vorlo::reynolds
