#pragma once

#include "report/report.h"
#include "results/results_file.h"

#include <QString>
#include <optional>

namespace vorlo {

// Writes the report to a file, safely, by its extension: CSV for ".csv" (any case), otherwise
// PDF. nullopt when written.
std::optional<resultados::ErrorArchivo> guardarInforme(const QString &ruta,
                                                       const informe::Informe &inf);

} // namespace vorlo
