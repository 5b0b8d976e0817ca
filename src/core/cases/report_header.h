#pragma once

#include "fields/field_table.h"

#include <QMap>
#include <QString>
#include <optional>

// The header of a calculation note: what project and line it is for, its revision, and who
// prepared and checked it. One table serves the header window, the case file and the command
// line (`clave` is the option of `vorlo report`).
namespace vorlo::informe {

namespace cabecera {
inline const QString Proyecto = QStringLiteral("Proyecto");
inline const QString Linea = QStringLiteral("Linea"); // line or tag number
inline const QString Revision = QStringLiteral("Revision");
inline const QString Preparado = QStringLiteral("Preparado");
inline const QString Revisado = QStringLiteral("Revisado");
inline const QString Observaciones = QStringLiteral("Observaciones"); // may hold line breaks
// How the note presents its numbers: as the window shows them, or in engineering form (the
// same significant digits for every number, in the note language's convention).
inline const QString Presentacion = QStringLiteral("Presentacion");
inline const QString Cifras = QStringLiteral("Cifras"); // significant digits, engineering form
inline const QString kComoVentana = QStringLiteral("ventana");
inline const QString kIngenieria = QStringLiteral("ingenieria");
inline constexpr int kCifrasDefecto = 4;
inline constexpr int kCifrasMinimas = 2;
inline constexpr int kCifrasMaximas = 15;

// The fields, in the window's order; each caption label is "Etiqueta" + its name.
const TablaCampos &tabla();
} // namespace cabecera

// The header's texts by field name; a field not set is empty.
struct Cabecera {
    QMap<QString, QString> textos;

    QString texto(const QString &campo) const { return textos.value(campo); }
    // Blanks around a text are no content: a header of blanks is empty.
    bool vacia() const;
    bool operator==(const Cabecera &) const = default;
    // The significant digits of the engineering presentation (kCifrasDefecto when the field is
    // empty or out of range); nullopt when the note shows the window's texts.
    std::optional<int> cifras() const;
};

} // namespace vorlo::informe
