#pragma once

#include "files/safe_save.h"
#include "results/results_file.h"

#include <optional>
#include <variant>

namespace vorlo::resultados {

using archivos::comprobarDestino;
using archivos::FabricaArchivo;
using archivos::guardarBytes;
using archivos::leerBytes;

// Saves the results file safely (guardarBytes).
std::optional<ErrorArchivo> guardar(const QString &ruta, const Resultados &r,
                                    const FabricaArchivo &fabrica = {});

// Reads a results file (see `interpretar`); refuses what is not a regular file of a sensible
// size.
std::variant<Resultados, ErrorArchivo> leer(const QString &ruta);

} // namespace vorlo::resultados
