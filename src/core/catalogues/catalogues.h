#pragma once

#include "fields/language.h"

#include <QList>
#include <QString>

// The catalogue data: pipe materials with their roughness, water at fourteen temperatures, and
// gas viscosities. The list texts are the ones the windows show, padding included.
namespace vorlo {

struct Material {
    TextoBilingue nombre;
    double rugosidad; // mm
};

struct Liquido {
    TextoBilingue nombre;
    double densidad;   // kg/m3
    double viscosidad; // Pa·s
};

struct GasCatalogo {
    QString texto;     // the same in both languages; some end with spaces
    double viscosidad; // Pa·s
};

// The nine materials, in list order.
const QList<Material> &catalogoMateriales();
// The fourteen water rows, 0 ºC to 100 ºC.
const QList<Liquido> &catalogoLiquidos();
// The seventeen gas rows: natural gas, air and steam.
const QList<GasCatalogo> &catalogoGases();

} // namespace vorlo
