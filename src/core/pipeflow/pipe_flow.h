#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "pipeflow/pipe_fields.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vorlo {

// The constants the passes compute with (pipe_flow.cpp says why each has its value); the
// calculation note prints them in its method.
namespace constantesTuberia {
// π as the defined pass takes it: cut, not rounded, after six decimals.
inline constexpr double kPi = 3.141592;
// One metre of a 1 kg/m³ column in bar, as the defined pass takes it (g = 9,81 m/s²).
inline constexpr double kBarPorMetroColumna = 0.0000981;
// kgf/m² per bar, as the defined pass takes the static head.
inline constexpr double kKgfM2PorBar = 10197.2;
// Standard gravity, as the exact mode takes it.
inline constexpr double kGravedad = 9.80665;
} // namespace constantesTuberia

// One pass of the pipe flow calculation over the field texts. `idioma` chooses the language of
// the regime and friction notes ("ESPAÑOL" is Spanish, anything else English).
void CalcularTuberia(CamposTexto &campos, const QString &idioma);

// The same pass in the exact mode: every result from the inputs at full precision, never from
// a rounded text (π and g = 9,80665 m/s² as they are, f = 64/Re below Re 2000 with the
// unrounded Re, else the exact Colebrook root). The fields, their formats and the rules of
// which results show are the defined pass's. `valores` keeps the unrounded results between
// passes (a window's nested passes, the timer's), each while its field shows its text.
void CalcularTuberiaExacta(CamposTexto &campos, const QString &idioma, ValoresExactos &valores);

// The regime text for a Reynolds number above 0: laminar up to kReLaminar inclusive, the
// critical zone below kReTurbulento, turbulent from it on.
TextoBilingue textoRegimen(double re);

// A note a pass writes beside the results, in both languages, with its colour.
struct NotaTuberia {
    TextoBilingue texto;
    ColorNota color = ColorNota::Normal;
};

// The friction note for a Reynolds number above 0, as the pass writes it with the factor:
// laminar below kReLaminar, the transition zone (red) up to kReTurbulento inclusive, turbulent
// above. nullopt for Re <= 0.
std::optional<NotaTuberia> notaFriccion(double re);

struct Mensaje {
    QString texto;
    QString titulo;
};

// Drop over the whole length, on demand: writes DP (Pa) and DPbar (bar) in the plain form.
// Returns the "missing data" warning to show when one of its five inputs is empty.
std::optional<Mensaje> PerdidaTramoTotal(CamposTexto &campos, const QString &idioma);

} // namespace vorlo
