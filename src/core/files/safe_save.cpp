#include "files/safe_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorlo::archivos {

namespace {

// The program's files are a few kilobytes; anything far larger was picked by mistake.
constexpr qint64 kTamanoMaximo = 1 << 20;
// Longest name component and path most file systems take.
constexpr qsizetype kNombreMaximo = 255;
constexpr qsizetype kRutaMaxima = 4095;

using Causa = ErrorArchivo::Causa;
using Operacion = ErrorArchivo::Operacion;

ErrorArchivo error(Causa causa, Operacion op, const QString &ruta) {
    return ErrorArchivo{causa, op, ruta};
}

bool sinPermisoDeEscritura(const QFileInfo &fi) {
    const auto escritura =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !fi.isWritable() || !(fi.permissions() & escritura);
}

// Why a folder path is not usable: it or one of its parents is a file, or it is missing.
Causa causaCarpetaAusente(const QString &carpeta) {
    QString actual = carpeta;
    while (true) {
        const QFileInfo fi(actual);
        if (fi.exists())
            return fi.isDir() ? Causa::CarpetaInexistente : Causa::NoEsCarpeta;
        const QString padre = fi.absolutePath();
        if (padre == actual)
            return Causa::CarpetaInexistente;
        actual = padre;
    }
}

std::optional<Causa> causaNombre(const QString &ruta) {
    if (ruta.isEmpty() || ruta.endsWith(QLatin1Char('/')))
        return Causa::NombreVacio;
    const QString nombre = QFileInfo(ruta).fileName();
    if (ruta.contains(QChar(0)) || QFile::encodeName(nombre).size() > kNombreMaximo ||
        QFile::encodeName(ruta).size() > kRutaMaxima)
        return Causa::NombreNoValido;
    return std::nullopt;
}

} // namespace

std::optional<ErrorArchivo> comprobarDestino(const QString &ruta) {
    const Operacion op = Operacion::Guardar;
    if (const auto c = causaNombre(ruta))
        return error(*c, op, ruta);
    const QFileInfo fi(ruta);
    if (fi.isDir())
        return error(Causa::EsCarpeta, op, ruta);
    const QFileInfo carpeta(fi.absolutePath());
    if (!carpeta.exists())
        return error(causaCarpetaAusente(carpeta.absoluteFilePath()), op, ruta);
    if (!carpeta.isDir())
        return error(Causa::NoEsCarpeta, op, ruta);
    if (fi.exists() && !fi.isFile())
        return error(Causa::NoEsArchivo, op, ruta);
    if (sinPermisoDeEscritura(carpeta))
        return error(Causa::CarpetaSoloLectura, op, ruta);
    if (fi.exists() && sinPermisoDeEscritura(fi))
        return error(Causa::ArchivoSoloLectura, op, ruta);
    return std::nullopt;
}

std::optional<ErrorArchivo> guardarBytes(const QString &ruta, const QByteArray &bytes,
                                         const FabricaArchivo &fabrica) {
    if (auto e = comprobarDestino(ruta))
        return e;
    const Operacion op = Operacion::Guardar;
    std::unique_ptr<QSaveFile> f = fabrica ? fabrica(ruta) : std::make_unique<QSaveFile>(ruta);
    // Never fall back to writing over the target in place: that is what loses the old file.
    f->setDirectWriteFallback(false);
    if (!f->open(QIODevice::WriteOnly))
        return error(Causa::NoSePuedeCrear, op, ruta);

    qsizetype desde = 0;
    while (desde < bytes.size()) {
        // Line by line, so that a write failing part-way is seen where it happens.
        qsizetype fin = bytes.indexOf('\n', desde) + 1;
        if (fin == 0)
            fin = bytes.size();
        const qint64 n = fin - desde;
        if (f->write(bytes.constData() + desde, n) != n) {
            // The destructor removes the temporary file; the target is untouched.
            f->cancelWriting();
            return error(Causa::Escritura, op, ruta);
        }
        desde = fin;
    }
    // QSaveFile::commit (Qt 6.4) does not report a failure of its final flush and would put a
    // truncated file in place; flush here, where a failure can still be caught.
    if (!f->flush() || f->error() != QFileDevice::NoError || f->size() != bytes.size()) {
        f->cancelWriting();
        return error(Causa::Escritura, op, ruta);
    }
    if (!f->commit())
        return error(f->error() == QFileDevice::RenameError ? Causa::Sustitucion : Causa::Escritura,
                     op, ruta);
    return std::nullopt;
}

std::variant<QByteArray, ErrorArchivo> leerBytes(const QString &ruta, Causa grande) {
    const Operacion op = Operacion::Abrir;
    if (const auto c = causaNombre(ruta))
        return error(*c, op, ruta);
    const QFileInfo fi(ruta);
    if (fi.isDir())
        return error(Causa::EsCarpeta, op, ruta);
    if (!fi.exists()) {
        const QFileInfo carpeta(fi.absolutePath());
        if (!carpeta.exists())
            return error(causaCarpetaAusente(carpeta.absoluteFilePath()), op, ruta);
        return error(carpeta.isDir() ? Causa::NoExiste : Causa::NoEsCarpeta, op, ruta);
    }
    // A device or a pipe could be endless.
    if (!fi.isFile())
        return error(Causa::NoEsArchivo, op, ruta);
    if (fi.size() > kTamanoMaximo)
        return error(grande, op, ruta);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return error(Causa::Lectura, op, ruta);
    const QByteArray bytes = f.read(kTamanoMaximo + 1);
    if (f.error() != QFileDevice::NoError)
        return error(Causa::Lectura, op, ruta);
    if (bytes.size() > kTamanoMaximo)
        return error(grande, op, ruta);
    return bytes;
}

} // namespace vorlo::archivos
