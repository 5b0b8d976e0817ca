#pragma once

#include "fields/field_table.h"

#include <QString>
#include <QStringList>

// The gas line window's fields, and the dependency rules that both its calculation and its
// highlight follow: which fields are inputs in each mode, and which inputs each result needs.
namespace vorlo::lineagas::campos {

inline const QString P1Linea = QStringLiteral("P1Linea");
inline const QString Densidad1 = QStringLiteral("Densidad1");
inline const QString DLinea = QStringLiteral("DLinea");
inline const QString RugLinea = QStringLiteral("RugLinea");
inline const QString ViscLinea = QStringLiteral("ViscLinea");
inline const QString LLinea = QStringLiteral("LLinea");
// Ratio of specific heats, for the speed of sound and so the Mach numbers.
inline const QString GammaLinea = QStringLiteral("GammaLinea");
// The temperature the line is isothermal at, which the density at P1 belongs to: the record of
// that density's basis (the isothermal calculation itself needs no temperature).
inline const QString TLinea = QStringLiteral("TLinea");
inline const QString MasicoLinea = QStringLiteral("MasicoLinea");
inline const QString P2Linea = QStringLiteral("P2Linea");
inline const QString fLinea = QStringLiteral("fLinea");
inline const QString DeltaPLinea = QStringLiteral("DeltaPLinea");
inline const QString DeltaPPorc = QStringLiteral("DeltaPPorc");
inline const QString ReLinea = QStringLiteral("ReLinea");
inline const QString V1Linea = QStringLiteral("V1Linea");
inline const QString V2Linea = QStringLiteral("V2Linea");
inline const QString VLimite = QStringLiteral("VLimite");
// The Mach numbers at both ends, and the erosional velocity at the outlet (lowest density).
inline const QString Mach1Linea = QStringLiteral("Mach1Linea");
inline const QString Mach2Linea = QStringLiteral("Mach2Linea");
inline const QString VeLinea = QStringLiteral("VeLinea");
// Solve for P2 or for the flow; the friction factor given rather than found.
inline const QString OpcionP2 = QStringLiteral("OpcionP2");
inline const QString OpcionMasico = QStringLiteral("OpcionMasico");
inline const QString FijarF = QStringLiteral("FijarF");

// Every field with its caption, unit and format, in the window's sections and order.
const TablaCampos &tabla();
// Every text box, in the window's order.
QStringList todos();
// The inputs (white) in a mode; every other text box is computed (light blue).
QStringList entradas(bool calcularP2, bool friccionDada);
// The inputs that `campo` needs when it is computed; empty when it is an input in that mode.
QStringList necesarios(const QString &campo, bool calcularP2, bool friccionDada);
// Decimals each computed field is written with.
int decimales(const QString &campo);

} // namespace vorlo::lineagas::campos
