#pragma once

#include "report/report.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// The report drawn on paper: A4 pages with a header (program, title, date), the report's tables
// and a footer with the version and "Page n of N". The PDF file and the printout are the same
// drawing.
namespace vorlo::informe {

// The body of the report as the HTML a QTextDocument lays out.
QString documentoHtml(const Informe &inf);

// Paints every page of the report on a PDF writer or a printer. Returns the number of pages.
int dibujarInforme(QPagedPaintDevice &dispositivo, const Informe &inf);

// The report as the bytes of a PDF file.
QByteArray informePdf(const Informe &inf);

} // namespace vorlo::informe
