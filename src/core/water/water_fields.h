#pragma once

#include "fields/field_table.h"
#include "water/water_state.h"

#include <QString>
#include <optional>

// The fields of the water and steam calculator. One table serves the window and `vorlo water`:
// a row with a name is a control of the window; a result row with a key is a line of the
// command, in table order (the inputs' keys are the command's options). Results the command
// prints but the window does not show have a key and no name.
namespace vorlo::agua {

inline const QString TAgua = QStringLiteral("TAgua");
inline const QString PAgua = QStringLiteral("PAgua");
inline const QString FaseAgua = QStringLiteral("FaseAgua");
inline const QString DensidadAgua = QStringLiteral("DensidadAgua");
inline const QString ViscDinAgua = QStringLiteral("ViscDinAgua");
inline const QString ViscCinAgua = QStringLiteral("ViscCinAgua");
inline const QString EntalpiaAgua = QStringLiteral("EntalpiaAgua");
inline const QString CpAgua = QStringLiteral("CpAgua");
inline const QString TsatAgua = QStringLiteral("TsatAgua");
inline const QString PsatAgua = QStringLiteral("PsatAgua");
inline const QString NotaAgua = QStringLiteral("NotaAgua");

// Three sections: the conditions (inputs), the properties, and saturation with the note; the
// results run in the command's order. A named row's caption label is "Etiqueta" + its name and
// its unit control "Unidad" + its name (a button that opens the converter for an input).
const TablaCampos &camposAgua();

// The number a result row holds for a state, by the row's key: nullopt for the phase (a text),
// for a row without a key, and for a saturation value the state does not have.
std::optional<double> valorAgua(const Campo &campo, const EstadoAgua &estado);

} // namespace vorlo::agua
