#pragma once

#include "cases/report_header.h"

#include <QString>

// Entry points of the report details window and the header it edits, implemented in
// reportdetails/. The header outlives the window: notes and cases read it here.
namespace vorlo {

// Shows the report details window (one at a time, not modal), bringing it to the front.
void abrirDatosInforme();

// The header the notes take now.
informe::Cabecera cabeceraInforme();
// A field of the header changed by the user: kept, the case marked as changed, and "Prepared
// by" remembered for the next run.
void cambiarTextoCabecera(const QString &campo, const QString &texto);

} // namespace vorlo
