#pragma once

#include "app/texts.h"
#include "fields/language.h"

// The texts of the case entries of the File menus and their questions.
namespace vorlo::textosCaso {

inline const TextoBilingue kCambiosSinGuardar{
    QStringLiteral("Hay cambios sin guardar en el caso. ¿Desea guardarlos?"),
    QStringLiteral("The case has unsaved changes. Do you want to save them?")};
inline const TextoBilingue kRecienteNoExiste{
    QStringLiteral("El caso %1 ya no existe; se quita de la lista de recientes."),
    QStringLiteral("The case %1 no longer exists; it is taken off the recent list.")};
inline const TextoBilingue kNombreNuevo{QStringLiteral("caso.vorlo"), QStringLiteral("case.vorlo")};
inline const TextoBilingue kTituloGuardarComo{QStringLiteral("Guardar caso como"),
                                              QStringLiteral("Save case as")};
inline const TextoBilingue kFiltro{QStringLiteral("Casos de Vorlo (*.vorlo)"),
                                   QStringLiteral("Vorlo cases (*.vorlo)")};
inline const TextoBilingue kTituloAbrir{QStringLiteral("Abrir caso"), QStringLiteral("Open case")};
// Open case offers cases and results files alike.
inline const TextoBilingue kFiltroAbrir{
    QStringLiteral("Casos y archivos de resultados (*.vorlo *.vrq)"),
    QStringLiteral("Cases and results files (*.vorlo *.vrq)")};

// The File menu's case entries.
const QList<TextoControl> &textosMenu();

} // namespace vorlo::textosCaso
