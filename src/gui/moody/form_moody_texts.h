#pragma once

#include "app/texts.h"
#include "moody/moody_texts.h"

#include <QString>

namespace vorlo {

// Texts of the Moody chart window's controls in both languages.
const QList<TextoControl> &textosFormMoody();

} // namespace vorlo
