#pragma once

#include "app/texts.h"

namespace vorlo {

// Texts of the liquid window in both languages.
const QList<TextoControl> &textosForm4();

} // namespace vorlo
