#pragma once

#include "fields/language.h"

#include <QString>

// What a failed save or open of any of the program's files reports (results files, cases,
// reports, images), with its message in both languages.
namespace vorlo::archivos {

// What a failed save or open reports: the cause, the path and, where it applies, the line or
// the number of lines found.
struct ErrorArchivo {
    enum class Causa {
        NombreVacio,
        NombreNoValido,
        EsCarpeta,
        NoEsArchivo,
        CarpetaInexistente,
        NoEsCarpeta,
        CarpetaSoloLectura,
        ArchivoSoloLectura,
        NoSePuedeCrear,
        Escritura,
        Sustitucion,
        NoExiste,
        Lectura,
        DemasiadoGrande,
        NumeroLineas,
        OpcionNoValida,
        ParImposible,
        // A case file (.vorlo).
        CasoDemasiadoGrande,
        NoEsJson,
        NoEsCaso,
        VersionNueva,  // `linea`: the version the file says
        TipoNoValido,  // `detalle`: the key
        TextoNoValido, // `detalle`: the key
    };
    enum class Operacion { Guardar, Abrir };

    Causa causa;
    Operacion operacion;
    QString ruta;
    int linea = 0;     // OpcionNoValida: the line; ParImposible: the first line of the pair
    int lineas = 0;    // NumeroLineas: how many lines the file has; VersionNueva: the newest read
    QString detalle{}; // TipoNoValido, TextoNoValido: the key in the file
    // TextoNoValido: the field's caption (empty when it has none), the text refused, and what
    // the field takes instead.
    enum class Espera { Numero, Eleccion, Texto };
    TextoBilingue rotulo{};
    QString valor{};
    Espera espera = Espera::Texto;

    // The message for the user: Spanish for "ESPAÑOL", English otherwise.
    QString texto(const QString &idioma) const;
};

} // namespace vorlo::archivos
