#pragma once

#include "fields/field_table.h"

#include <optional>

// The erosional velocity beside the pipe window's velocity: API RP 14E's Ve from the density
// and the constant C. Apart from the pass's own table: the pass neither reads nor writes these.
namespace vorlo::tuberia {

inline const QString VErosional = QStringLiteral("VErosional");
inline const QString CErosional = QStringLiteral("CErosional");
inline const QString NotaErosional = QStringLiteral("NotaErosional");

// The two fields and the note, with their captions and units.
const TablaCampos &camposErosional();

struct Erosional {
    std::optional<double> ve; // m/s; nullopt without a density or C that can be used
    bool supera = false;      // the velocity shown exceeds it
};
// From the pipe window's density and velocity texts (dproceso, Vproceso) and C's (empty: 100).
Erosional erosionalDe(const QString &densidad, const QString &velocidad, const QString &c);

} // namespace vorlo::tuberia
