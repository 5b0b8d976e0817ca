#pragma once

#include "fields/field_table.h"

// The rows a calculator's field table is made of, built one way: an input's and a result's
// caption label, unit label and marks follow one naming, which the window base, the case file
// and the commands rely on.
namespace vorlo::filas {

inline constexpr unsigned kMarcasEntrada = Caja | FiltroNumerico | LeidaPorPasada | VaciaAlBorrar;
inline constexpr unsigned kMarcasResultado = Caja | VaciaAlBorrar;

// A caption in both languages, from UTF-8 literals.
TextoBilingue texto(const char *espanol, const char *ingles);
// The label that carries a field's caption: "Etiqueta" + the field's name.
QString etiquetaDe(const QString &nombre);

// A typed number, with its command-line key.
Campo entrada(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
              const char *clave);
// A computed number in the window's format, with its command-line key.
Campo resultado(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                const char *clave, Formato formato);
// A computed number shown with a fixed number of decimals.
Campo resultadoFijo(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                    int decimales, const char *clave);
// A text the calculation writes (a warning, a state in words).
Campo nota(const QString &nombre, const TextoBilingue &rotulo = {});

} // namespace vorlo::filas
