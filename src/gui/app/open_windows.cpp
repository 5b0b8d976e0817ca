#include "open_windows.h"

#include "app/windows.h"

namespace vorlo {

// The calculators are wired here as their windows land.
void abrirForm2() {}

void abrirFormReynolds() {}

} // namespace vorlo
