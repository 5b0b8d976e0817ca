#pragma once

#include "cases/case_file.h"

#include <QString>
#include <optional>

// Entry points of the line and pump window, implemented in line/.
namespace vorlo {

// What the window starts from: the pipe window's fluid and pipe, as texts in the same units
// (m3/h, kg/m3, Pa s, mm, m); any may be empty.
struct DatosLinea {
    QString caudal;
    QString densidad;
    QString viscosidad;
    QString dint;
    QString longitud;
    QString desnivel;
    QString rugosidad;
    QString ktotal;
};

// Shows the line window (one at a time). A window that has no segment yet takes the fluid and a
// first segment from `inicial`; after that its data are its own.
void abrirLinea(const DatosLinea &inicial);
// The window's part of a case, nullopt when it does not exist; a case's part put into it.
std::optional<caso::Ventana> casoLinea();
void cargarCasoLinea(const caso::Ventana &v);

} // namespace vorlo
