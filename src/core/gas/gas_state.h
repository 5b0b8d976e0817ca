#pragma once

#include "fields/field_texts.h"
#include "fields/input_checks.h"
#include "gas/gas_fields.h"

#include <QString>
#include <QStringList>

namespace vorlo::gas {
// The two modes: the normalised flow is known (Qnormales -> Qproceso), or the flow at process
// conditions is known (Qproceso -> Qnormales).
inline constexpr int kModoNormalizado = 1;
inline constexpr int kModoProceso = 2;

// The fourteen fields in the window's order (the field table's).
QStringList campos();
// The fields whose text is a temperature in ºC.
QStringList temperaturas();
// The texts a freshly opened window holds (fields not listed are empty).
QString textoInicial(const QString &campo);

// What an input of the pass can be: temperatures any number, the rest above zero; nullopt for a
// name outside the table.
std::optional<Requisito> requisito(const QString &campo);

// Below this a temperature in ºC has no physical meaning.
inline constexpr double kCeroAbsoluto = -273.15;
} // namespace vorlo::gas

namespace vorlo {

// One pass of the gas state conversion over the field texts, in mode `modo` (1 or 2; with any
// other value the flow step is left out). A result whose operands are missing, not numbers or
// out of range (zero or negative where the quantity cannot be), or whose value cannot be
// represented, is emptied when the pass wrote it; a text the user typed there stays.
void Calcular(CamposTexto &campos, int modo);

} // namespace vorlo
