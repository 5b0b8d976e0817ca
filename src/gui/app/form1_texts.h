#pragma once

#include "app/texts.h"

namespace vorlo {

inline const QList<TextoControl> &textosForm1() {
    static const QList<TextoControl> tabla = {
        {QStringLiteral("Label2"), TextoControl::Texto,
         QStringLiteral("Cálculo de gases en distintas condiciones de P, T y Z"),
         QStringLiteral("Gas calculations. P, T & Z")},
        {QStringLiteral("Label3"), TextoControl::Texto,
         QStringLiteral("Número de Reynolds, Factor de Fricción y Pérdida de Carga"),
         QStringLiteral("Reynolds Number, Friction Factor, Pressure Drop")},
        {QStringLiteral("Label1"), TextoControl::Texto, QStringLiteral("Vorlo"),
         QStringLiteral("Vorlo")},
        {QStringLiteral("Label6"), TextoControl::Texto, QStringLiteral("Ingeniería de Procesos"),
         QStringLiteral("Process Engineering")},
    };
    return tabla;
}

} // namespace vorlo
