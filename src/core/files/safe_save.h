#pragma once

#include "files/file_error.h"

#include <QByteArray>
#include <QSaveFile>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

// The one safe way the program writes a file (a temporary file in the same folder, put in place
// only when whole) and reads one (a regular file of a sensible size).
namespace vorlo::archivos {

// Makes the save file that `guardar` writes through. Tests hand in one that fails part-way.
using FabricaArchivo = std::function<std::unique_ptr<QSaveFile>(const QString &ruta)>;

// The checks that need no writing: a name is given and valid, it is not a folder, a device or
// a pipe, its folder exists and neither the folder nor an existing file is read-only. A folder or
// file with no write permission bit at all counts as read-only even where the system would let
// an administrator write to it.
std::optional<ErrorArchivo> comprobarDestino(const QString &ruta);

// The same safe save for any bytes (reports, exports): checked, written to a temporary file in
// the same folder, flushed, then put in place; on failure the earlier file stays as it was.
std::optional<ErrorArchivo> guardarBytes(const QString &ruta, const QByteArray &bytes,
                                         const FabricaArchivo &fabrica = {});

// The bytes of a regular file of at most 1 MB, or why not (`grande`: the cause for a larger
// one).
std::variant<QByteArray, ErrorArchivo>
leerBytes(const QString &ruta, ErrorArchivo::Causa grande = ErrorArchivo::Causa::DemasiadoGrande);

} // namespace vorlo::archivos
