#pragma once

#include "fields/field_texts.h"
#include "pipeflow/pipe_fields.h"

#include <QString>
#include <QStringList>
#include <optional>


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
