#pragma once

#include <QString>

// How the program starts its windows, apart from main() so that a test can start them too.
namespace vorlo {

// Whether a command-line argument names a file for the windows: a case (.vorlo) or a results
// file (.vrq), by its extension, whether it exists or not (a missing one gets its message).
bool nombraArchivoVorlo(const QString &argumento);

// The windows as the program starts them: the case watcher, the start screen, then `ruta`
// (when given) opened as File > Open does: the pipe window shows it, the other windows take
// their parts when they open. A file that cannot be read leaves the windows started and says
// why in a message box that names it.
void arrancarVentanas(const QString &ruta = {});

} // namespace vorlo
