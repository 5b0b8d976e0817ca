#pragma once

#include "fields/language.h"

// Entry point of the water and steam window, implemented in water/.
namespace vorlo {

// Shows the water and steam window (one at a time), bringing it to the front; an open one keeps
// its values.
void abrirAguaVapor();

// The caption of the buttons in other windows that take a fluid from water and steam.
inline const TextoBilingue kBotonAguaVapor{QStringLiteral("Agua y vapor…"),
                                           QStringLiteral("Water and steam…")};

} // namespace vorlo
