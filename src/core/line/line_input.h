#pragma once

#include "fields/language.h"
#include "line/line.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

// The line window's texts read into a line, the segments' text in the case, the pump curve's
// text, and every message the window, the note and the command give, in both languages.
namespace vorlo::linea {

// One segment's six input cells as typed: diameter, length, rise, roughness, K, equipment drop.
using CeldasTramo = QStringList;

// The segments as the case keeps them: one line a segment, its cells separated by ';'.
QString textoTramos(const QList<CeldasTramo> &tramos);
QList<CeldasTramo> tramosDeTexto(const QString &texto);

// A pump curve's text: pairs "Q:H". In the window numbers take a decimal comma and the pairs
// are separated by ';' ("0:80; 20:75,5"); on the command line a decimal point and ',' or ';'
// ("0:80,20:75.5"). nullopt when a pair or number is not one; an empty text is an empty curve.
std::optional<QList<PuntoCurva>> leerCurva(const QString &texto, bool puntoDecimal);

// The texts as a window or a case holds them, by field name.
using LectorTextos = std::function<QString(const QString &campo)>;

// The inputs read; the message for the first that is not a number, or is missing.
std::variant<Datos, TextoBilingue> leerDatos(const LectorTextos &texto);

// Whether nothing has been typed (no flow, pressure or segment diameter): the window then shows
// no message.
bool sinDatos(const LectorTextos &texto);

// Why a line has no result, naming the segment (1-based) of a segment's fault.
TextoBilingue mensaje(Motivo motivo, int tramo);

// The notes of a result, each with whether it is a warning shown in red.
struct Aviso {
    TextoBilingue texto;
    bool rojo = false;
};
QList<Aviso> avisos(const Datos &d, const Resultado &r);

} // namespace vorlo::linea
