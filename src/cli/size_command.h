#pragma once

#include <QStringList>

class QTextStream;

namespace vorlo::cli {

// `vorlo size --q Q --density RHO --viscosity MU --roughness MM [--vmax V] [--dpmax DP]
// [--standard TEXT] [--schedule S]`: every size of one standard and schedule (ASME B36.10M,
// schedule 40 unless given) for the flow and fluid, as CSV with the header
// `standard,nps,dn,schedule,id_mm,velocity_m_s,re,f,dp_bar_per_100m,meets`, and on the error
// stream the smallest size within the limits (`pick: ...`) or that none is. Answers with a
// CodigoSalida.
int comandoSize(const QStringList &argumentos, QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli
