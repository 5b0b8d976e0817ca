#pragma once

#include "report/report.h"

#include <QString>

// The pieces the note's HTML is built of, shared by its parts (report_html.cpp, report_pdf.cpp).
namespace vorlo::informe::html {

// A text made safe for HTML.
QString h(const QString &t);
// A heading of a part, with the room above it a paragraph loses after a table.
QString titulo2(const QString &t);
// A small grey paragraph (notes, remarks).
QString parrafoPequeno(const QString &t);
// The Moody chart's heading and caption, drawn with the chart.
QString tituloGrafico(const Informe &inf);
// Where the Moody chart stands in the document: the drawing replaces this text.
inline const QString kMarcaGrafico = QStringLiteral("@@VORLO-GRAFICO-MOODY@@");
// Where another window's chart stands, one mark a chart in the order of the sections.
inline const QString kMarcaGraficoAnexo = QStringLiteral("@@VORLO-GRAFICO-ANEXO@@");

} // namespace vorlo::informe::html
