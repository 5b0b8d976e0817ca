#pragma once

#include "app/texts.h"

namespace vorlo {

// Texts of the save window; its caption "Guardar" stays in both languages.
const QList<TextoControl> &textosFormGuardar();
// Texts of the same window opening a file, caption included.
const QList<TextoControl> &textosFormAbrir();

} // namespace vorlo
