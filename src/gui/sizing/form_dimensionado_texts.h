#pragma once

#include "app/texts.h"

#include <QList>

namespace vorlo {

// Every fixed caption and tooltip of the line sizing window in both languages; the field
// captions come from the core's field table.
const QList<TextoControl> &textosFormDimensionado();

// Shown in an empty limit field: an empty limit is no limit.
const TextoBilingue &textoSinLimite();

} // namespace vorlo
