#pragma once

#include "report/report.h"

class QPainter;
class QRectF;

namespace vorlo::informe {

// Draws a section's chart into `zona`: its title, a frame with round-number axes and their
// captions, each curve (a line, or marked points) in its own colour, and a legend below.
void dibujarGraficoAnexo(QPainter &pintor, const QRectF &zona, const GraficoAnexo &grafico);

} // namespace vorlo::informe
