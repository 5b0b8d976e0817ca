#pragma once

#include "fields/field_table.h"

#include <QString>
#include <QStringList>

// The gas window's fields: their names, and the one table that says of each its caption,
// unit and place.
namespace vorlo::gas {

// Units: density kg/m3, pressure bar a, temperature ºC, flow m3/h, mass flow kg/h; the
// compressibility factors have none.
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
// The mode (normalised flow known, process flow known) and whether Z is considered.
inline const QString Option1 = QStringLiteral("Option1");
inline const QString Option2 = QStringLiteral("Option2");
inline const QString Check1 = QStringLiteral("Check1");

// Every field and option of the window. Qproceso and Qnormales are an input or a result by the
// mode; the table names them inputs.
const TablaCampos &tabla();

// The message for a temperature below absolute zero, Spanish whatever the language.
inline const QString kMensajeCeroAbsoluto =
    QStringLiteral("Temperatura por debajo del cero absoluto, por favor corrija");

} // namespace vorlo::gas
