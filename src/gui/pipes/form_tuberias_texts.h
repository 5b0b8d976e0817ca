#pragma once

#include "app/texts.h"

namespace vorlo {

// Texts of the standard pipe sizes window in both languages.
const QList<TextoControl> &textosFormTuberias();

} // namespace vorlo
