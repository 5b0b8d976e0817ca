#include "report/report_file.h"

#include "report/report_formats.h"
#include "report/report_pdf.h"
#include "results/results_io.h"

#include <QFileInfo>

namespace vorlo {

std::optional<resultados::ErrorArchivo> guardarInforme(const QString &ruta,
                                                       const informe::Informe &inf) {
    if (QFileInfo(ruta).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return informe::guardarCsv(ruta, inf);
    // Checked before drawing: a path that cannot be written costs no rendering.
    if (auto e = resultados::comprobarDestino(ruta))
        return e;
    return resultados::guardarBytes(ruta, informe::informePdf(inf));
}

} // namespace vorlo
