#pragma once

#include "fields/field_table.h"
#include "fields/language.h"
#include "pipes/pipe_sizes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Line sizing: for a flow and a fluid, every standard size of one standard and schedule with its
// velocity and drop per 100 m, and the smallest size within the limits.
namespace vorlo {

struct EntradaDimensionado {
    double caudal = 0;                     // m3/h
    double densidad = 0;                   // kg/m3
    double viscosidad = 0;                 // dynamic, Pa·s
    double rugosidad = 0;                  // mm
    std::optional<double> velocidadMaxima; // m/s; absent: no limit
    std::optional<double> perdidaMaxima;   // bar per 100 m; absent: no limit
    NormaTuberia norma = NormaTuberia::AsmeB3610M;
    QString cedula = QStringLiteral("40");
};

struct FilaDimensionado {
    TuberiaNormalizada tuberia;
    double velocidad = 0; // m/s
    double re = 0;
    std::optional<double> f;       // absent where Colebrook has no root
    std::optional<double> perdida; // bar per 100 m; absent with f
    bool cumpleVelocidad = true;   // also true when there is no velocity limit
    bool cumplePerdida = true;     // also true when there is no drop limit
    // The Colebrook factor of a relative roughness above the Moody chart's (ε/D > 0,05).
    bool extrapolada = false;

    // A size whose drop cannot be computed (no root, or an overflow) never meets the limits.
    bool cumple() const { return perdida && cumpleVelocidad && cumplePerdida; }
};

// Why an input gives no rows.
enum class MotivoInvalido {
    Caudal,          // not finite or <= 0
    Densidad,        // not finite or <= 0
    Viscosidad,      // not finite or <= 0
    Rugosidad,       // not finite or < 0
    VelocidadMaxima, // given, and not finite or <= 0
    PerdidaMaxima,   // given, and not finite or <= 0
    Cedula,          // the standard has no size with this schedule
};

struct Dimensionado {
    QList<FilaDimensionado> filas;    // one per size of the schedule, smallest first
    std::optional<qsizetype> elegida; // index in filas of the smallest size that meets all
    std::optional<MotivoInvalido> motivo;
    // Neither a velocity nor a drop limit: the rows are listed, but no size is picked.
    bool sinCriterio = false;

    const FilaDimensionado *eleccion() const { return elegida ? &filas.at(*elegida) : nullptr; }
    // The largest size whose factor is extrapolated (every smaller one is too); null for none.
    const FilaDimensionado *ultimaExtrapolada() const;
};

Dimensionado dimensionar(const EntradaDimensionado &entrada);

// What the window's combo boxes offer.
inline constexpr NormaTuberia kNormaDimensionado = NormaTuberia::AsmeB3610M;
// The schedules of a standard: numbered schedules by number ("5" ... "160", "5S" ... "80S"), then
// the others in catalogue order ("STD", "XS", "XXS"; "M", "H").
QStringList cedulasDe(NormaTuberia norma);
// The usual wall of each standard: "40", its stainless "40S", and the medium series "M".
QString cedulaPorDefecto(NormaTuberia norma);

// Texts for the window. Numbers in the app's form: velocity 2 decimals, drop 3 significant
// digits, the same in both languages.
TextoBilingue textoMotivo(MotivoInvalido motivo);
TextoBilingue textoNingunoCumple();
// No limit given: no pick, and what to give.
TextoBilingue textoSinCriterio();
// `4" Sch 40 — 1,69 m/s, 0,262 bar/100 m`; without the drop when f has no value.
TextoBilingue textoEleccion(const FilaDimensionado &fila);
// The line under the table: the pick, that none meets the limits, or why there are no rows;
// then, where Colebrook is used beyond the Moody chart, up to which size.
TextoBilingue textoResultado(const Dimensionado &d);
// `ε/D above 0,05 up to 1/2" Sch 40: …`; nullopt when no size's factor is extrapolated.
std::optional<TextoBilingue> textoExtrapolado(const Dimensionado &d);
// The pick's description from its numbers written by the caller (the command line writes them
// with a decimal point).
QString describirEleccion(const TuberiaNormalizada &t, const QString &velocidad,
                          const std::optional<QString> &perdida);

// The table's columns, in order: nominal size, ID, velocity, Re, f, drop, meets.
struct ColumnaDimensionado {
    TextoBilingue titulo;
    Formato formato; // ComoEscrito for the text columns
};
const QList<ColumnaDimensionado> &columnasDimensionado();
// A row's cells in the columns' order; empty cells for f and the drop when f has no value.
QStringList celdasDimensionado(const FilaDimensionado &fila, Lengua lengua);

} // namespace vorlo
