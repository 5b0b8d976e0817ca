#pragma once

#include "app/texts.h"

#include <QList>

namespace vorlo {

// Every caption of the water and steam window in both languages: the field table's, the
// window's title, the hand-over button and the unit buttons' tooltips.
const QList<TextoControl> &textosFormAguaVapor();

} // namespace vorlo
