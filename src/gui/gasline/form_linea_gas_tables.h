#pragma once

#include <QString>
#include <QStringList>

// The gas line window's decisions as data: its fields, which are inputs in each mode, and which
// inputs each computed field needs.
namespace vorlo::lineagas::campos {

inline const QString P1Linea = QStringLiteral("P1Linea");
inline const QString Densidad1 = QStringLiteral("Densidad1");
inline const QString DLinea = QStringLiteral("DLinea");
inline const QString RugLinea = QStringLiteral("RugLinea");
inline const QString ViscLinea = QStringLiteral("ViscLinea");
inline const QString LLinea = QStringLiteral("LLinea");
inline const QString MasicoLinea = QStringLiteral("MasicoLinea");
inline const QString P2Linea = QStringLiteral("P2Linea");
inline const QString fLinea = QStringLiteral("fLinea");
inline const QString DeltaPLinea = QStringLiteral("DeltaPLinea");
inline const QString DeltaPPorc = QStringLiteral("DeltaPPorc");
inline const QString ReLinea = QStringLiteral("ReLinea");
inline const QString V1Linea = QStringLiteral("V1Linea");
inline const QString V2Linea = QStringLiteral("V2Linea");
inline const QString VLimite = QStringLiteral("VLimite");

// Every text box, in the window's order.
QStringList todos();
// The inputs (white) in a mode; every other text box is computed (light blue).
QStringList entradas(bool calcularP2, bool friccionDada);
// The inputs that `campo` needs when it is computed; empty when it is an input in that mode.
QStringList necesarios(const QString &campo, bool calcularP2, bool friccionDada);
// Decimals each computed field is written with.
int decimales(const QString &campo);

} // namespace vorlo::lineagas::campos
