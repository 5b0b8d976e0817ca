#include "app/open_windows.h"

// Placeholder until the fittings window lands.
namespace vorlo {
void abrirAccesorios(const QString &) {}
} // namespace vorlo
