#pragma once

#include "fields/field_texts.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/pipe_fields.h"

// What the core tests share: the pipe flow calculation's worked example as field texts.
namespace vorlo::prueba {

inline CamposMapa ejemploTuberiaTextos() {
    return tuberia::ejemploComoCampos();
}

// A typed Reynolds number `re` with a viscosity and velocity present but no density, so no step
// computes Re again: the pass writes the regime and the friction factor from `re` alone.
inline CamposMapa reTecleado(const QString &re) {
    namespace t = tuberia;
    CamposMapa c({{t::Re, re},
                  {t::dint, QStringLiteral("100")},
                  {t::Rugosidad, QStringLiteral("0,05")},
                  {t::Vproceso, QStringLiteral("1")},
                  {t::vdinamica, QStringLiteral("0,001")}});
    c.fijarOpcion(t::Option3, true);
    return c;
}

} // namespace vorlo::prueba
