#include "app/open_windows.h"

// Placeholder until the unit converter lands.
namespace vorlo {
void conectarBotonUnidad(QAbstractButton *, QWidget *, const QString &, ModoConversor) {}
} // namespace vorlo
