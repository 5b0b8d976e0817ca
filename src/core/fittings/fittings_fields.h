#pragma once

#include <QString>

// The fittings window's controls: its diameter and, per row, the count, the title and the K of
// the fitting (control arrays indexed from 0).
namespace vorlo::accesorios {

inline const QString Diametrillo = QStringLiteral("Diametrillo");
// The method K comes from: the table or one of the methods that follow the flow.
inline const QString MetodoK = QStringLiteral("MetodoK");

inline QString Naccesorios(int fila) {
    return QStringLiteral("Naccesorios(%1)").arg(fila);
}
inline QString TituloAccesorio(int fila) {
    return QStringLiteral("TituloAccesorio(%1)").arg(fila);
}
inline QString k(int fila) {
    return QStringLiteral("k(%1)").arg(fila);
}

} // namespace vorlo::accesorios
