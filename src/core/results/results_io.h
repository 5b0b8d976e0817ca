#pragma once

#include "results/results_file.h"

#include <QSaveFile>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace vorlo::resultados {

// Makes the save file that `guardar` writes through. Tests hand in one that fails part-way.
using FabricaArchivo = std::function<std::unique_ptr<QSaveFile>(const QString &ruta)>;

// The checks that need no writing: a name is given and valid, it is not a folder, a device or
// a pipe, its folder exists and neither the folder nor an existing file is read-only. A folder or
// file with no write permission bit at all counts as read-only even where the system would let
// an administrator write to it.
std::optional<ErrorArchivo> comprobarDestino(const QString &ruta);

// Saves the file safely: the lines go to a temporary file in the same folder, which replaces
// the target only when every line was written and flushed. On any failure the error is
// returned, an existing file is left byte for byte as it was and no temporary file remains.
std::optional<ErrorArchivo> guardar(const QString &ruta, const Resultados &r,
                                    const FabricaArchivo &fabrica = {});

// The same safe save for any bytes (reports, exports): checked, written to a temporary file in
// the same folder, flushed, then put in place; on failure the earlier file stays as it was.
std::optional<ErrorArchivo> guardarBytes(const QString &ruta, const QByteArray &bytes,
                                         const FabricaArchivo &fabrica = {});

// Reads a results file (see `interpretar`); refuses what is not a regular file of a sensible
// size.
std::variant<Resultados, ErrorArchivo> leer(const QString &ruta);

// The bytes of a regular file of at most 1 MB, or why not (`grande`: the cause for a larger
// one).
std::variant<QByteArray, ErrorArchivo>
leerBytes(const QString &ruta, ErrorArchivo::Causa grande = ErrorArchivo::Causa::DemasiadoGrande);

} // namespace vorlo::resultados
