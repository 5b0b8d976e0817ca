#pragma once

#include "app/texts.h"

namespace vorlo {

// Every text of the report details window in both languages: the header table's captions, the
// window's title, its hint and its button.
const QList<TextoControl> &textosFormDatosInforme();

} // namespace vorlo
