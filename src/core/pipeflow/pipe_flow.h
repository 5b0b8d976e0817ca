#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "pipeflow/pipe_fields.h"

#include <QString>
#include <QStringList>
#include <optional>


namespace vorlo {

// One pass of the pipe flow calculation over the field texts. `idioma` chooses the language of
// the regime and friction notes ("ESPAÑOL" is Spanish, anything else English).
void CalcularTuberia(CamposTexto &campos, const QString &idioma);

// The regime text for a Reynolds number above 0: laminar up to kReLaminar inclusive, the
// critical zone below kReTurbulento, turbulent from it on.
TextoBilingue textoRegimen(double re);

struct Mensaje {
    QString texto;
    QString titulo;
};

// Drop over the whole length, on demand: writes DP (Pa) and DPbar (bar) in the plain form.
// Returns the "missing data" warning to show when one of its five inputs is empty.
std::optional<Mensaje> PerdidaTramoTotal(CamposTexto &campos, const QString &idioma);

} // namespace vorlo
