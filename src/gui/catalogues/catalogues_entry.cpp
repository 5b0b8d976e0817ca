#include "app/open_windows.h"

// Placeholder until the catalogue windows land.
namespace vorlo {
void abrirLiquidos() {}
void abrirViscosidadGases() {}
void abrirMateriales() {}
} // namespace vorlo
