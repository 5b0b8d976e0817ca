#pragma once

#include "app/texts.h"

namespace vorlo {

// Every text of the fittings window in both languages, the row titles included.
const QList<TextoControl> &textosFormAccesorios();

} // namespace vorlo
