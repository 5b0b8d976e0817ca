#pragma once

#include "fields/numbers.h" // FormatoResultado, the shown form of every converted number

#include <QString>
#include <QStringList>
#include <optional>

// The program's knowledge of units: seven quantity kinds, each with an ordered list of unit
// texts whose first entry is the base unit (the unit the calculator fields hold).
namespace vorlo {

inline const QString kCaudal = QStringLiteral("CAUDAL");
inline const QString kPresion = QStringLiteral("PRESION");
inline const QString kTemperatura = QStringLiteral("TEMPERATURA");
inline const QString kDensidad = QStringLiteral("DENSIDAD");
inline const QString kCaudalMasico = QStringLiteral("CAUDAL_MASICO");
inline const QString kViscosidad = QStringLiteral("VISCOSIDAD");
inline const QString kViscosidadCinematica = QStringLiteral("VISCOSIDADCINEMATICA");

// The seven kind keys.
QStringList magnitudes();

// The units of a kind in list order; empty for a key that is not a kind. Keys are compared
// exactly (case-sensitive).
QStringList unidadesMagnitud(const QString &magnitud);

// `valor` in unit `desde` expressed in unit `hacia`, always by way of the base unit: into the
// base by multiplying by the unit's factor, out of it by dividing by the factor (or by the
// temperature formulas). A unit text that is not known gives 0. The result is the full double;
// a conversion that leaves the range of a double gives an infinity, which FormatoResultado
// shows as an empty text.
double convertiruds(double valor, const QString &desde, const QString &hacia);

// Absolute zero written in a temperature unit ("ºC" -273.15, "ºK" 0, "ºF" -459.67, "ºR" 0);
// nullopt for any other unit.
std::optional<double> ceroAbsoluto(const QString &unidad);

} // namespace vorlo
