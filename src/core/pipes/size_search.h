#pragma once

#include "pipes/pipe_sizes.h"

#include <QString>
#include <QStringList>

// Finding a nominal size by the start of it that a user types, as a combo box's type-ahead does,
// but reaching the size the user means: "2" is 2", not 20" after it; "2 1" and "2-1" are 2 1/2";
// "20" is 20"; in a DN list "15" is DN 15.
namespace vorlo {

// A row's size as a user types it: the NPS in ASME lists ("2 1/2"), the DN number in EN 10255.
QString tamanoTecleable(const TuberiaNormalizada &t);

// The row of `tamanos` (each as tamanoTecleable gives it) that `tecleado` means: the first that
// is exactly the typed size, else the first that starts with it; -1 when none does, or nothing
// but letters was typed. A hyphen counts as the space between inches and fraction; letters and
// quotes ("DN", the inch mark) are ignored.
int filaDeTamano(const QStringList &tamanos, const QString &tecleado);

} // namespace vorlo
