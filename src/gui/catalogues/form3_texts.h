#pragma once

#include "app/texts.h"

namespace vorlo {

// Texts of the material window in both languages.
const QList<TextoControl> &textosForm3();

} // namespace vorlo
