#pragma once

#include "fields/field_texts.h"
#include "pipeflow/ejemplo.h"

// What the core tests share: the pipe flow calculation's worked example as field texts.
namespace vorlo::prueba {

inline CamposMapa ejemploTuberiaTextos() {
    return tuberia::ejemploComoCampos();
}

} // namespace vorlo::prueba
