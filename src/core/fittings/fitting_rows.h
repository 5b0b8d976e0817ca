#pragma once

#include "fields/language.h"

#include <QList>

// The 21 catalogue rows of the fittings window (0-9 threaded, 10-20 flanged) as data: the title
// each row carries in both languages and how the fitting joins the pipe. The window, the K
// methods and the command line read the rows from here.
namespace vorlo {

enum class Conexion { Roscada, Bridada };

struct FilaAccesorio {
    TextoBilingue titulo; // as the window shows it, typos included
    Conexion conexion;
};

// Rows 0-20 in window order; the two user rows (21-22) are not catalogue rows.
const QList<FilaAccesorio> &filasAccesorios();

// The group a row belongs to, as a note names it beside the title: "threaded", "flanged".
TextoBilingue nombreConexion(Conexion conexion);

} // namespace vorlo
