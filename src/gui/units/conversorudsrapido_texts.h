#pragma once

#include "app/texts.h"

#include <optional>

namespace vorlo {

// The converter's texts applied when it loads.
const QList<TextoControl> &textosConversor();

// Caption of the accept button for the base-unit row's number and unit, in the language set
// now.
QString textoAceptar(const QString &idioma, const QString &numero,
                                    const QString &unidad);

} // namespace vorlo
