#include "app/open_windows.h"

// Placeholder until the results file windows land.
namespace vorlo {
void abrirGuardar() {}
void abrirArchivo() {}
} // namespace vorlo
