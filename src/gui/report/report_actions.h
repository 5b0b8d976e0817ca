#pragma once

#include "app/texts.h"
#include "report/report.h"
#include "report/report_file.h"
#include "results/results_file.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QWidget;

// What the calculator windows call to let a report leave them: copy, export and print. Each
// takes a report model built from the window's texts at that moment (`informeTuberia`,
// `informeGas`), so the four outputs always agree.
namespace vorlo {

// The clipboard gets `text/plain` (tab-separated rows, for a spreadsheet) and `text/html` (a
// table, for a word processor) at once.
void copiarInforme(const informe::Informe &inf);

// Asks for a file in the save dialog and writes the report: CSV for a name ending in ".csv",
// PDF for ".pdf" (a name with neither gets ".pdf"). A failure is shown in a message box in the
// report's language, naming the path and the reason; an earlier file stays as it was. True when
// a file was written.
bool exportarInforme(QWidget *padre, const informe::Informe &inf);

// The print dialog with a preview of the report's pages. True when the user printed.
bool imprimirInforme(QWidget *padre, const informe::Informe &inf);

// The three actions, named `CopiarResultados` (Ctrl+Shift+C), `ExportarInforme` and `Imprimir`
// (Ctrl+P), owned by `ventana`, each building the report with `construir` when triggered. The
// caller puts them in a menu (or adds them to the window) and their texts in its language table.
QList<QAction *> crearAccionesInforme(QWidget *ventana,
                                      const std::function<informe::Informe()> &construir);

// The actions' captions in both languages, for a window's texts table.
const QList<TextoControl> &textosAccionesInforme();

// What the pipe window's note takes from the rest of the program now: the header, the open
// fittings window, the water and steam state its fluid was handed over from, and the other
// windows' inputs as the case holds them.
informe::Contexto contextoInformeTuberia();

} // namespace vorlo
