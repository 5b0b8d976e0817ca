#pragma once

#include "fields/field_table.h"

#include <QMap>
#include <QString>

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

// The six fields, in the window's order; each caption label is "Etiqueta" + its name.
const TablaCampos &tabla();
} // namespace cabecera

// The header's texts by field name; a field not set is empty.
struct Cabecera {
    QMap<QString, QString> textos;

    QString texto(const QString &campo) const { return textos.value(campo); }
    // Blanks around a text are no content: a header of blanks is empty.
    bool vacia() const;
    bool operator==(const Cabecera &) const = default;
};

} // namespace vorlo::informe
