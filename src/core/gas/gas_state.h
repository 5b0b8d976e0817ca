#pragma once

#include "fields/field_texts.h"

#include <QString>
#include <QStringList>

namespace vorlo::gas {
// Field names of the gas window. Units: density kg/m3, pressure bar a, temperature ºC, flow
// m3/h, mass flow kg/h; the compressibility factors have none.
inline const QString dref = QStringLiteral("dref");
inline const QString Pref = QStringLiteral("Pref");
inline const QString tref = QStringLiteral("tref");
inline const QString Zref = QStringLiteral("Zref");
inline const QString Pproceso = QStringLiteral("Pproceso");
inline const QString tproceso = QStringLiteral("tproceso");
inline const QString Zproceso = QStringLiteral("Zproceso");
inline const QString dproceso = QStringLiteral("dproceso");
inline const QString Qnormales = QStringLiteral("Qnormales");
inline const QString P_paraQ = QStringLiteral("P_paraQ");
inline const QString T_paraQ = QStringLiteral("T_paraQ");
inline const QString Z_paraQ = QStringLiteral("Z_paraQ");
inline const QString Qproceso = QStringLiteral("Qproceso");
inline const QString Qprocesomasico = QStringLiteral("Qprocesomasico");

// The two modes: the normalised flow is known (Qnormales -> Qproceso), or the flow at process
// conditions is known (Qproceso -> Qnormales).
inline constexpr int kModoNormalizado = 1;
inline constexpr int kModoProceso = 2;

// The fourteen fields in the window's order.
QStringList campos();
// The fields whose text is a temperature in ºC.
QStringList temperaturas();
// The texts a freshly opened window holds (fields not listed are empty).
QString textoInicial(const QString &campo);

// Below this a temperature in ºC has no physical meaning.
inline constexpr double kCeroAbsoluto = -273.15;
} // namespace vorlo::gas

namespace vorlo {

// One pass of the gas state conversion over the field texts, in mode `modo` (1 or 2; with any
// other value the flow step is left out). A result whose conditions are not met, whose operands
// are not numbers, or whose value cannot be represented keeps its current text.
void Calcular(CamposTexto &campos, int modo);

} // namespace vorlo
