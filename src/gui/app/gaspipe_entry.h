#pragma once

#include "cases/case_file.h"

#include <optional>

// Entry points of the gas pipeline window, implemented in gaspipe/.
namespace vorlo {

// Shows the gas pipeline window (one at a time), bringing it to the front.
void abrirGasoducto();
// Its part of the case, nullopt when it does not exist; and a case's part put into it (created,
// not shown).
std::optional<caso::Ventana> casoGasoducto();
void cargarCasoGasoducto(const caso::Ventana &v);

} // namespace vorlo
