#pragma once

#include "app/texts.h"

namespace vorlo {

// Texts of the gas viscosity window: it has Spanish texts only, the same in both languages.
const QList<TextoControl> &textosViscosidad();

} // namespace vorlo
