#pragma once

#include "fields/field_table.h"
#include "fields/field_texts.h"
#include "sizing/sizing.h"

#include <QString>

namespace vorlo::dimensionado {
// Field names of the sizing window's inputs.
inline const QString QDim = QStringLiteral("QDim");
inline const QString DensidadDim = QStringLiteral("DensidadDim");
inline const QString ViscDim = QStringLiteral("ViscDim");
inline const QString RugDim = QStringLiteral("RugDim");
inline const QString VmaxDim = QStringLiteral("VmaxDim");
inline const QString DPmaxDim = QStringLiteral("DPmaxDim");
// The pipe's standard (its name) and schedule the window sizes in; kept in a case with the
// inputs.
inline const QString NormaDim = QStringLiteral("NormaDim");
inline const QString CedulaDim = QStringLiteral("CedulaDim");
} // namespace vorlo::dimensionado

namespace vorlo {

// The sizing inputs: captions, units, and the keys the command line takes (`--q`, `--density`,
// `--viscosity`, `--roughness`, `--vmax`, `--dpmax`). The two limits are optional.
const TablaCampos &tablaDimensionado();

// The inputs as the window holds them. A limit left empty is absent; any other text that is not
// a number becomes NaN, so that dimensionar names the field in its reason.
EntradaDimensionado entradaDesdeTextos(const CamposTexto &campos, NormaTuberia norma,
                                       const QString &cedula);

// What is wrong with the first input whose text cannot be taken ("Caudal: tiene un punto donde se
// espera la coma decimal"); nullopt when every present text is good (an empty one is judged by
// dimensionar's reason).
std::optional<TextoBilingue> problemaTextosDimensionado(const CamposTexto &campos);

} // namespace vorlo
