#pragma once

#include "fields/field_texts.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vorlo::tuberia {
// Field names of the pipe flow calculation.
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
// Viscosity choice: dynamic and kinematic.
inline const QString Option3 = QStringLiteral("Option3");
inline const QString Option4 = QStringLiteral("Option4");

// Every text and option a pass reads, other than the result labels it only writes.
QStringList entradas();
// The result labels a pass writes and never needs as input of the same pass's decisions
// beyond the totals chain.
QStringList etiquetasResultado();
} // namespace vorlo::tuberia

namespace vorlo {

// One pass of the pipe flow calculation over the field texts. `idioma` chooses the language of
// the regime and friction notes ("ESPAÑOL" or "INGLÉS"; with another value they are not
// written).
void CalcularTuberia(CamposTexto &campos, const QString &idioma);

struct Mensaje {
    QString texto;
    QString titulo;
};

// Drop over the whole length, on demand: writes DP (Pa) and DPbar (bar) in the plain form.
// Returns the "missing data" warning to show when one of its five inputs is empty.
std::optional<Mensaje> PerdidaTramoTotal(CamposTexto &campos, const QString &idioma);

} // namespace vorlo
