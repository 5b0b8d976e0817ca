#pragma once

#include "fields/language.h"

#include <QList>
#include <QString>
#include <optional>

// Typical limits of common services, to start a line sizing from: a service fills the velocity
// and drop criteria, which stay the user's to change. Where each number comes from is in
// docs/sizing-services.md.
namespace vorlo {

struct ServicioDimensionado {
    QString clave;                         // the command line's --service value
    TextoBilingue nombre;                  // as the window lists it
    std::optional<double> velocidadMaxima; // m/s
    std::optional<double> perdidaMaxima;   // bar per 100 m; absent where the sources give none
};

// The services in the order the window lists them.
const QList<ServicioDimensionado> &serviciosDimensionado();
// The service with that key, or nullptr.
const ServicioDimensionado *servicioDimensionado(const QString &clave);
// The caption of the service list.
const TextoBilingue &rotuloServicio();

} // namespace vorlo
