#pragma once

class QCategoryAxis;

// The captions of the Moody chart's axes, which hold chart coordinates (log10 Re, log10 f), as
// on a printed Moody chart: each decade and 2 to 6 within it on the Reynolds axis; 0,01 0,015
// 0,02 0,025 0,03 0,04 ... on the friction axis; fewer as an axis spans more decades.
namespace vorlo {

void rotularEjeRe(QCategoryAxis *eje);
void rotularEjeF(QCategoryAxis *eje);

// The captioned line of the f axis nearest to `y` on its far side (above it when `arriba`), for
// an axis that spans `decadas`; `minimo` or `maximo` when there is none before it.
double aLineaConTextoF(double y, double decadas, bool arriba, double minimo, double maximo);

} // namespace vorlo
