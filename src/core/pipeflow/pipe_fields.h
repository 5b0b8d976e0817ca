#pragma once

#include "fields/field_table.h"

#include <QString>
#include <QStringList>

// The pipe flow window's fields: their names, and the one table that says of each its role,
// caption, unit, format and triggers.
namespace vorlo::tuberia {

inline const QString Qproceso = QStringLiteral("Qproceso");
inline const QString dproceso = QStringLiteral("dproceso");
inline const QString vdinamica = QStringLiteral("vdinamica");
inline const QString Vcinematica = QStringLiteral("Vcinematica");
inline const QString dint = QStringLiteral("dint");
inline const QString Rugosidad = QStringLiteral("Rugosidad");
inline const QString L = QStringLiteral("L");
inline const QString Desnivel = QStringLiteral("Desnivel");
inline const QString ktotal = QStringLiteral("ktotal");
inline const QString Vproceso = QStringLiteral("Vproceso");
inline const QString Re = QStringLiteral("Re");
inline const QString ffinal = QStringLiteral("ffinal");
inline const QString DP = QStringLiteral("DP");
inline const QString DPbar = QStringLiteral("DPbar");
inline const QString DPtotalm = QStringLiteral("DPtotalm");
inline const QString DPbarTotal = QStringLiteral("DPbarTotal");
inline const QString PerdidaAccesorios = QStringLiteral("PerdidaAccesorios");
inline const QString PcargaTuberiaYaccesorios = QStringLiteral("PcargaTuberiaYaccesorios");
inline const QString laminarturbulento = QStringLiteral("laminarturbulento");
inline const QString Labelffriccion = QStringLiteral("Labelffriccion");
// The exact Colebrook root beside the grid value ffinal, and its note.
inline const QString fexacta = QStringLiteral("fexacta");
inline const QString Labelfexacta = QStringLiteral("Labelfexacta");
// The picked standard pipe's designation.
inline const QString LabelTuberia = QStringLiteral("LabelTuberia");
// The mode (liquids, gases) and the viscosity choice (dynamic, kinematic).
inline const QString Option1 = QStringLiteral("Option1");
inline const QString Option2 = QStringLiteral("Option2");
inline const QString Option3 = QStringLiteral("Option3");
inline const QString Option4 = QStringLiteral("Option4");
// Every result from the inputs at full precision and the exact Colebrook root.
inline const QString CheckExacto = QStringLiteral("CheckExacto");

// Every field and option of the window, in its order.
const TablaCampos &campos();

// Every text and option a pass reads, other than the result labels it only writes: a change of
// any of them makes a pass due.
QStringList entradas();

// The inputs a computed field needs, for the highlight and the exact pass alike. `opcion3`,
// `opcion4`: the viscosity choice; `reBajoLaminar`: Re below the laminar limit, or no number.
QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajoLaminar);

// What the change event of a text box does once its new text is in.
enum class Reaccion {
    Ninguna,
    Calcular,
    // A pass, then the K total emptied: the K factors belong to the old diameter.
    CalcularYVaciarK,
};
Reaccion alCambiar(const QString &campo, const QString &nuevoTexto);

} // namespace vorlo::tuberia
