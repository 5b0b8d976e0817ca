#pragma once

#include <QIcon>
#include <QString>

namespace vorlo {

// An icon from the program's resources by file name ("flag_en", "clear", ...).
QIcon icono(const QString &nombre);

} // namespace vorlo
