#pragma once

#include "fields/field_texts.h"

#include <QString>

namespace vorlo {

// The pipe window's run-time notes (the regime, the friction note and the exact root's note)
// written again in the language `idioma` from the texts shown, without a pass: no other text
// changes, the totals a double click on DPbar wrote included. A note that is empty stays empty.
// The regime and the friction note follow Re by the pass's rules (textoRegimen, notaFriccion);
// where Re gives none (not a number, or not above 0) a note the pass left as it was is put into
// `idioma` as it stands. The root's note is the one PasoFriccionExacta writes for these texts.
// With `valores` (the exact mode) Re and the root are read through the unrounded values.
void notasEnLengua(CamposTexto &campos, const QString &idioma, ValoresExactos *valores = nullptr);

} // namespace vorlo
