#pragma once

#include "cases/case_file.h"

#include <QString>
#include <optional>

// Entry points of the control valve window, implemented in valve/.
namespace vorlo {

// What the pipe window hands over, as its fields show it; any may be empty.
struct EntregaValvula {
    bool gas = false;
    QString caudal;     // m3/h at flowing conditions
    QString densidad;   // kg/m3
    QString viscosidad; // Pa·s
};

// Shows the control valve window (one at a time), bringing it to the front.
void abrirValvula();
// Shows it with the pipe window's fluid: the liquid or gas option, the flow, density and
// viscosity. A gas's actual flow goes in as the normal flow the window takes when P1, T1 and Z
// are there to turn it; otherwise the flow field is left as it is.
void abrirValvulaDesdeTuberia(const EntregaValvula &e);
// Its part of the case, nullopt when it does not exist; and a case's part put into it (created,
// not shown).
std::optional<caso::Ventana> casoValvula();
void cargarCasoValvula(const caso::Ventana &v);

} // namespace vorlo
