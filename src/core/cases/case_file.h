#pragma once

#include "fields/field_texts.h"
#include "files/file_error.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// A case: every input of every window as the window shows it, in one UTF-8 JSON file
// (`.vorlo`, docs/case-format.md). Results are not kept: they are computed again on opening.
namespace vorlo::caso {

inline const QString kFormato = QStringLiteral("vorlo-case");
inline constexpr int kVersion = 1;
inline const QString kExtension = QStringLiteral("vorlo");

// One window's inputs: its options and check boxes, and its texts by control name.
struct Ventana {
    QMap<QString, bool> opciones;
    QMap<QString, QString> textos;
    bool operator==(const Ventana &) const = default;
};

// The windows a case can hold, by their key in the file.
inline const QString Tuberia = QStringLiteral("pipe");
inline const QString Accesorios = QStringLiteral("fittings");
inline const QString Gas = QStringLiteral("gas");
inline const QString LineaGas = QStringLiteral("gasLine");
inline const QString Agua = QStringLiteral("water");
inline const QString Dimensionado = QStringLiteral("sizing");
inline const QString LineaBomba = QStringLiteral("line");
inline const QString Gasoducto = QStringLiteral("gasPipe");
inline const QString Valvula = QStringLiteral("valve");
inline const QString Informe = QStringLiteral("report");

struct Caso {
    QString idioma; // "ESPAÑOL" or "INGLÉS"
    QMap<QString, Ventana> ventanas;
    bool operator==(const Caso &) const = default;
};

// What a text of a window may be.
enum class Tipo {
    Numero, // what a numeric field holds: a text the key filter lets through, or a number
    Texto,  // any single text (a designation, a name), no control characters but line breaks
};

// What a window's part of the file may hold; every other key is ignored.
struct Esquema {
    QString clave;
    QStringList opciones;
    QMap<QString, Tipo> textos;
    // Texts that take one of a few words (the fittings method), with those words.
    QMap<QString, QStringList> elecciones;
    // The captions the window shows beside its texts, for messages.
    QMap<QString, TextoBilingue> rotulos{};
    // The texts a freshly opened window holds where they are not empty: a part that leaves one
    // out gets it, so that the window and the note compute from the same inputs.
    QMap<QString, QString> iniciales{};
};
// Every window's schema, built from the calculators' field tables.
const QList<Esquema> &esquemas();
const Esquema *esquema(const QString &clave);

// A window's part read through its field texts, by its schema: every option and every text the
// schema names.
Ventana parteDe(const CamposTexto &campos, const QString &clave);

// Whether a text is one the field would hold: typed (every character one the key filter lets
// through as it is) or written by the program (a number it reads).
bool textoAceptable(Tipo tipo, const QString &texto);

// The file's bytes: `format` and `version` first, then the language and the windows.
QByteArray contenido(const Caso &c);
// Reads a case's bytes, all or nothing: a file that is not JSON, not a case, made by a newer
// version, with a value of the wrong type or a text its field would not hold is refused with
// the cause (and the key it concerns). Unknown keys are ignored; a missing one is left out.
std::variant<Caso, archivos::ErrorArchivo> interpretar(const QByteArray &bytes);

// The safe save of the results file (a temporary file, then renamed into place).
std::optional<archivos::ErrorArchivo> guardar(const QString &ruta, const Caso &c);
std::variant<Caso, archivos::ErrorArchivo> leer(const QString &ruta);

// Whether a path names a case (by its extension) rather than a results file.
bool esCaso(const QString &ruta);

} // namespace vorlo::caso
