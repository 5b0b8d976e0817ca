#pragma once

#include "fields/language.h"

#include <QList>
#include <QString>
#include <optional>

// Typical factors at full rated travel by valve style and trim, from IEC 60534-2-1:2011
// Table D.2 (docs/valve.md). They fill FL, xT and Fd when a style is chosen; the manufacturer's
// figures, typed over them, are what the sizing uses.
namespace vorlo::valvula {

struct EstiloValvula {
    QString clave; // language-independent: the case file and the field's text
    TextoBilingue texto;
    double fl = 0;
    double xt = 0;
    double fd = 0;
};

// The first item, key "typed", fills nothing: the factors are those typed.
const QList<EstiloValvula> &estilos();
const EstiloValvula *estilo(const QString &clave);

} // namespace vorlo::valvula
