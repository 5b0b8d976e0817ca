#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "files/file_error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <variant>

// The results file of the pipe flow window: sixteen lines, one value each, in the 8-bit code
// page (Latin-1), every line ended by CR LF. Four lines hold option states ("True"/"False", in
// English whatever the language), twelve hold field texts exactly as the window shows them.
namespace vorlo::resultados {

inline constexpr int kLineas = 16;
inline const QString kExtension = QStringLiteral("vrq");

// Whether a path names a file the program opens, by its extension alone: a case (.vorlo) or a
// results file (.vrq), whether it exists or not.
bool nombraArchivoAbrible(const QString &ruta);

// Option1..Option4, the order of `Resultados::opciones`.
const QStringList &nombresOpciones();
// The twelve fields in the order of the file, the order of `Resultados::textos`.
const QStringList &nombresCampos();

// One line of the file: the control it comes from and where its value sits in `Resultados`.
struct Linea {
    QString control;
    bool esOpcion;
    int indice; // into opciones or textos
};
// The sixteen lines in file order.
const QList<Linea> &lineas();

struct Resultados {
    std::array<bool, 4> opciones{};
    std::array<QString, 12> textos;
    bool operator==(const Resultados &) const = default;
};

using archivos::ErrorArchivo;

// The values to save, read from the pipe flow window's options and fields.
Resultados leerDe(const CamposTexto &campos);

// One value as a line's bytes (without its end): Latin-1, a character Latin-1 cannot hold, or a
// line break that would split the line, written as "?".
QByteArray codificar(QStringView texto);

// The whole file's bytes.
QByteArray contenido(const Resultados &r);

// Reads the bytes of a results file. Lines may end in CR LF or LF (the last line's end may be
// missing). Refused: not sixteen lines, an option line other than "True"/"False", or both
// options of a pair "True". The error carries no path.
std::variant<Resultados, ErrorArchivo> interpretar(const QByteArray &bytes);

} // namespace vorlo::resultados
