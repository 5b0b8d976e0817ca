#pragma once

#include <QString>
#include <functional>

// Entry point of the standard pipe sizes window (pipes/), for the windows that take an inside
// diameter from it.
namespace vorlo {

// Called when the user accepts a pipe: its inside diameter as the fields show it ("102,26",
// mm) and its designation (`4" Sch 40`, `DN 50 EN 10255 M`).
using AlElegirTuberia =
    std::function<void(const QString &diametroInterior, const QString &designacion)>;

// Shows the window (one at a time; a second call brings it to the front and hands the choice
// to the newer callback), on the last pipe accepted since the program started. Cancelling or
// closing it calls nothing.
void abrirTuberias(AlElegirTuberia alAceptar);

// Forgets the last accepted pipe, as at program start (a new case, a fresh test).
void olvidarUltimaTuberia();

} // namespace vorlo
