#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "pipeflow/pipe_fields.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/regimen.h"

#include <QString>
#include <optional>

namespace vorlo {

// The friction factor seen whole, run after a pass of CalcularTuberia. From the texts of Re,
// Rugosidad and dint (read as the pass reads them for Colebrook) it writes into fexacta the
// exact root of the Colebrook-White equation, fixed 6 (",020327"), when Re >= 2000 and the
// root exists; otherwise it empties fexacta and Labelfexacta.
// The note Labelfexacta compares the grid value that the results use (ffinal) with the root:
// red when the root lies outside the grid 0,01-0,1, the normal colour inside it; both say by
// how many percent ffinal is above or below the root (without ffinal, only where the root
// lies). `idioma` chooses the language of the note.
// With `valores` (the exact mode) the root is read from the unrounded Re and the note says that
// the results use it.
void PasoFriccionExacta(CamposTexto &campos, const QString &idioma,
                        ValoresExactos *valores = nullptr);

namespace friccion {
// The exact root from the three texts, when Re >= 2000 and every text is a number.
std::optional<double> raizDesdeTextos(const CamposTexto &campos);

// The note PasoFriccionExacta writes into Labelfexacta for the texts shown (read through the
// exact mode's values when `exacto`), in both languages and with its colour; nullopt where it
// writes none (no root).
std::optional<NotaTuberia> notaRaiz(const CamposTexto &campos, bool exacto);

// Whether Re reads as laminar (above 0, below kReLaminar): f = 64/Re, no Colebrook root.
bool laminar(const CamposTexto &campos);

// The note beside the exact root in laminar flow, in either mode.
inline const TextoBilingue kNotaLaminar{
    QStringLiteral("Flujo laminar: f = 64/Re, la ecuación de Colebrook no se aplica"),
    QStringLiteral("Laminar flow: f = 64/Re, Colebrook does not apply")};

// The exact mode's note: the results use the root itself.
inline const TextoBilingue kNotaResultadosExactos{
    QStringLiteral("Los resultados usan la raíz exacta de Colebrook, sin redondeos"),
    QStringLiteral("The results use the exact Colebrook root, without rounding")};

// The grid's range as the notes write it: "0,01–0,1".
QString textoMalla();

// How the results of a mode are computed, as reports and commands state it.
TextoBilingue textoModo(bool exacto);

// A percentage for a sentence: whole above 9,5, else two significant digits (",5" shows as
// "0,5"), "0" for what rounds to nothing.
QString porcentaje(double p);
} // namespace friccion

} // namespace vorlo
