#pragma once

#include "fields/field_table.h"

#include <QList>
#include <QString>

// The words of a report: the captions and units of the two calculator windows come from their
// field tables; the few words the report adds (headings, column titles, page numbers) are here.
namespace vorlo::informe {

enum class Ventana { Tuberia, Gas };

// The field table of a window: its sections in order, each with its fields' captions and units,
// and the options that state its case.
const TablaCampos &tabla(Ventana v);

namespace palabras {
extern const TextoBilingue NotaDeCalculo;
extern const TextoBilingue Fecha;
extern const TextoBilingue Programa;
extern const TextoBilingue Caso;
extern const TextoBilingue Fluido;
extern const TextoBilingue Viscosidad;
extern const TextoBilingue Modo;
extern const TextoBilingue Si;
extern const TextoBilingue No;
extern const TextoBilingue SinSeleccionar;
extern const TextoBilingue Magnitud;
extern const TextoBilingue Valor;
extern const TextoBilingue Unidad;
extern const TextoBilingue Campo;
extern const TextoBilingue Accesorios;
extern const TextoBilingue Accesorio;
extern const TextoBilingue Uds;
extern const TextoBilingue UdsPorK;
extern const TextoBilingue Diametro;
extern const TextoBilingue DiametroNominal;
extern const TextoBilingue MetodoDeLosK;
extern const TextoBilingue FormulaK;
extern const TextoBilingue KTotal;
extern const TextoBilingue Avisos;
extern const TextoBilingue Notas;
extern const TextoBilingue Pagina; // "%1" of "%2"
extern const TextoBilingue ValoresComoVentana;
// Said instead in the engineering presentation; %1 the significant digits.
extern const TextoBilingue ValoresIngenieria;
extern const TextoBilingue Calculados;
extern const TextoBilingue TramoCompleto;
extern const TextoBilingue Tuberia;
extern const TextoBilingue FluidoAgua; // %1 ºC, %2 bar a, %3 the phase
extern const TextoBilingue Metodo;
extern const TextoBilingue MetodoNota;
extern const TextoBilingue Dado;
extern const TextoBilingue DiagramaMoody;
extern const TextoBilingue DiagramaMoodyNota;
extern const TextoBilingue LineaPagina;    // %1 the line
extern const TextoBilingue RevisionPagina; // %1 the revision
extern const TextoBilingue Firma;
} // namespace palabras

} // namespace vorlo::informe
