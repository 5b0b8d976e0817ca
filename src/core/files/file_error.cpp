#include "files/file_error.h"

namespace vorlo::archivos {

namespace {

// The cause of a failed save or open in both languages, in the order of ErrorArchivo::Causa.
// %1 and %2 stand for the line numbers or the line count where a cause has them.
struct TextoCausa {
    ErrorArchivo::Causa causa;
    const char *espanol;
    const char *ingles;
};

constexpr TextoCausa kCausas[] = {
    {ErrorArchivo::Causa::NombreVacio, "no se ha escrito ningún nombre de archivo",
     "no file name was given"},
    {ErrorArchivo::Causa::NombreNoValido, "el nombre de archivo no es válido",
     "the file name is not valid"},
    {ErrorArchivo::Causa::EsCarpeta, "ese nombre es una carpeta", "that name is a folder"},
    {ErrorArchivo::Causa::NoEsArchivo, "no es un archivo normal", "it is not a regular file"},
    {ErrorArchivo::Causa::CarpetaInexistente, "la carpeta no existe", "the folder does not exist"},
    {ErrorArchivo::Causa::NoEsCarpeta, "una parte de la ruta es un archivo, no una carpeta",
     "part of the path is a file, not a folder"},
    {ErrorArchivo::Causa::CarpetaSoloLectura, "la carpeta es de solo lectura",
     "the folder is read-only"},
    {ErrorArchivo::Causa::ArchivoSoloLectura, "el archivo es de solo lectura",
     "the file is read-only"},
    {ErrorArchivo::Causa::NoSePuedeCrear, "no se pudo crear el archivo",
     "the file could not be created"},
    {ErrorArchivo::Causa::Escritura, "no se pudo escribir en el disco (puede estar lleno)",
     "writing to the disk failed (it may be full)"},
    {ErrorArchivo::Causa::Sustitucion, "no se pudo sustituir el archivo anterior",
     "the existing file could not be replaced"},
    {ErrorArchivo::Causa::NoExiste, "el archivo no existe", "the file does not exist"},
    {ErrorArchivo::Causa::Lectura, "no se pudo leer", "it could not be read"},
    {ErrorArchivo::Causa::DemasiadoGrande, "es demasiado grande para ser un archivo de resultados",
     "it is too large to be a results file"},
    {ErrorArchivo::Causa::NumeroLineas, "tiene %1 líneas en lugar de 16",
     "it has %1 lines instead of 16"},
    {ErrorArchivo::Causa::OpcionNoValida, "la línea %1 debe ser \"True\" o \"False\"",
     "line %1 must be \"True\" or \"False\""},
    {ErrorArchivo::Causa::ParImposible, "las líneas %1 y %2 no pueden ser ambas \"True\"",
     "lines %1 and %2 cannot both be \"True\""},
    {ErrorArchivo::Causa::CasoDemasiadoGrande, "es demasiado grande para ser un caso (más de 1 MB)",
     "it is too large to be a case (over 1 MB)"},
    {ErrorArchivo::Causa::NoEsJson, "no es un archivo JSON", "it is not a JSON file"},
    {ErrorArchivo::Causa::NoEsCaso, "no es un caso de Vorlo", "it is not a Vorlo case"},
    {ErrorArchivo::Causa::VersionNueva,
     "lo hizo un Vorlo más nuevo (versión %1 del formato; este programa lee hasta la %2)",
     "it was made by a newer Vorlo (format version %1; this program reads up to %2)"},
    {ErrorArchivo::Causa::TipoNoValido, "\"%1\" no es del tipo esperado",
     "\"%1\" is not of the expected type"},
};

// A refused text as the message quotes it: control characters escaped, a long one cut.
QString citar(const QString &texto) {
    constexpr qsizetype kMaximo = 40;
    QString c;
    for (const QChar ch : texto.left(kMaximo))
        c += ch.unicode() < 0x20
                 ? QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'))
                 : QString(ch);
    if (texto.size() > kMaximo)
        c += QStringLiteral("…");
    return QLatin1Char('"') + c + QLatin1Char('"');
}

// `Length ("pipe.fields.L"): "25O" is not a number`: the caption the user knows, the key the
// file holds, the text itself and what the field takes.
QString explicarTexto(const ErrorArchivo &e, bool espanol) {
    using Espera = ErrorArchivo::Espera;
    const QString rotulo = espanol ? e.rotulo.espanol : e.rotulo.ingles;
    const QString campo = rotulo.isEmpty()
                              ? QLatin1Char('"') + e.detalle + QLatin1Char('"')
                              : QStringLiteral("%1 (\"%2\")").arg(rotulo.trimmed(), e.detalle);
    const char *motivo = nullptr;
    switch (e.espera) {
    case Espera::Numero:
        motivo = espanol ? "no es un número" : "is not a number";
        break;
    case Espera::Eleccion:
        motivo = espanol ? "no es una de sus opciones" : "is not one of its choices";
        break;
    case Espera::Texto:
        motivo = espanol ? "no es un texto que admita" : "is not a text it takes";
        break;
    }
    return QStringLiteral("%1: %2 %3").arg(campo, citar(e.valor), QString::fromUtf8(motivo));
}

QString explicarCausa(const ErrorArchivo &e, bool espanol) {
    if (e.causa == ErrorArchivo::Causa::TextoNoValido)
        return explicarTexto(e, espanol);
    for (const TextoCausa &t : kCausas) {
        if (t.causa != e.causa)
            continue;
        const QString plantilla = QString::fromUtf8(espanol ? t.espanol : t.ingles);
        switch (e.causa) {
        case ErrorArchivo::Causa::NumeroLineas:
            return plantilla.arg(e.lineas);
        case ErrorArchivo::Causa::OpcionNoValida:
            return plantilla.arg(e.linea);
        case ErrorArchivo::Causa::ParImposible:
            return plantilla.arg(e.linea).arg(e.linea + 1);
        case ErrorArchivo::Causa::VersionNueva:
            return plantilla.arg(e.linea).arg(e.lineas);
        case ErrorArchivo::Causa::TipoNoValido:
            return plantilla.arg(e.detalle);
        default:
            return plantilla;
        }
    }
    return {};
}

} // namespace

QString ErrorArchivo::texto(const QString &idioma) const {
    const bool guardar = operacion == Operacion::Guardar;
    if (lenguaDe(idioma) == Lengua::Espanol)
        return (guardar ? QStringLiteral("No se pudo guardar el archivo \"%1\": %2.")
                        : QStringLiteral("No se pudo abrir el archivo \"%1\": %2."))
            .arg(ruta, explicarCausa(*this, true));
    return (guardar ? QStringLiteral("The file \"%1\" could not be saved: %2.")
                    : QStringLiteral("The file \"%1\" could not be opened: %2."))
        .arg(ruta, explicarCausa(*this, false));
}

} // namespace vorlo::archivos
