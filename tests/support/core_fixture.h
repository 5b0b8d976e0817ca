#pragma once

#include "fields/field_texts.h"
#include "pipeflow/pipe_flow.h"

// What the core tests share: the pipe flow calculation's worked example as field texts.
namespace vorlo::prueba {

// 36 m3/h of water (998 kg/m3, 0,001 Pa·s) through 100 m of 100 mm pipe with 0,05 mm
// roughness, 5 m up, K total 2; liquids, dynamic viscosity.
inline CamposMapa ejemploTuberiaTextos() {
    namespace t = tuberia;
    CamposMapa c({{t::Qproceso, "36"},
                  {t::dproceso, "998"},
                  {t::vdinamica, "0,001"},
                  {t::dint, "100"},
                  {t::Rugosidad, "0,05"},
                  {t::L, "100"},
                  {t::Desnivel, "5"},
                  {t::ktotal, "2"}});
    c.fijarOpcion(QStringLiteral("Option1"), true);
    c.fijarOpcion(t::Option3, true);
    return c;
}

} // namespace vorlo::prueba
