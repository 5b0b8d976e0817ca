#pragma once

#include "app/texts.h"
#include "gasline/gas_line_window.h"

#include <QString>
#include <optional>

namespace vorlo {

// The captions of the window's own buttons in both languages (the fields' come from its table).
const QList<TextoControl> &textosBotonesLineaGas();

// The help line's general hint, shown over the window's free surface.
const TextoBilingue &pistaGeneralLinea();
// The hint for a field under the mouse (an input, or a result in the mode given); empty texts
// when the field has none.
TextoBilingue pistaLinea(const QString &campo, bool esEntrada);

} // namespace vorlo
