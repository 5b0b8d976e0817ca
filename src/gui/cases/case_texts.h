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

inline const TextoBilingue kSinManual{
    QStringLiteral("El manual es la página de manual de Vorlo: ejecute «man vorlo» en una "
                   "terminal. El README del código fuente recorre cada ventana."),
    QStringLiteral("The manual is Vorlo's man page: run \"man vorlo\" in a terminal. The README "
                   "of the sources tours every window.")};
inline const TextoBilingue kTituloAcercaDe{QStringLiteral("Acerca de Vorlo"),
                                           QStringLiteral("About Vorlo")};
// %1: the version.
inline const TextoBilingue kAcercaDe{
    QStringLiteral(
        "Vorlo %1\nPérdida de carga en tuberías y densidad de gases para ingenieros de proceso.\n\n"
        "Licencia: GNU GPL versión 3 o posterior.\n\n"
        "Fuentes de los datos: ecuación de Colebrook-White; IAPWS-IF97 (2007) y la viscosidad "
        "IAPWS 2008 para el agua y el vapor; coeficientes K de Crane TP-410, 2-K de Hooper y 3-K "
        "de Darby; tuberías ASME B36.10M, ASME B36.19M y EN 10255."),
    QStringLiteral(
        "Vorlo %1\nPipe pressure drop and gas density for process engineers.\n\n"
        "Licence: GNU GPL version 3 or later.\n\n"
        "Sources of the data: the Colebrook-White equation; IAPWS-IF97 (2007) and the IAPWS 2008 "
        "viscosity for water and steam; K factors from Crane TP-410, Hooper's 2-K and Darby's "
        "3-K; pipes of ASME B36.10M, ASME B36.19M and EN 10255.")};

// The File menu's case entries.
const QList<TextoControl> &textosMenu();
// The Help menu, with its mnemonics.
const QList<TextoControl> &textosAyuda();

} // namespace vorlo::textosCaso
