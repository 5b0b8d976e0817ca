#include "app/open_windows.h"

// Placeholder until the gas window lands.
namespace vorlo {
void abrirForm2() {}
void escribirEnForm2(const QString &, const QString &) {}
} // namespace vorlo
