#include "form_moody_texts.h"

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/regimen.h"
#include "report/report_texts.h"

namespace vorlo {

const QList<TextoControl> &textosFormMoody() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, informe::palabras::DiagramaMoody.espanol,
         informe::palabras::DiagramaMoody.ingles},
        {QStringLiteral("CommandGuardarImagen"), T::Texto, QStringLiteral("Guardar imagen…"),
         QStringLiteral("Save image…")},
        {QStringLiteral("CommandGuardarImagen"), T::Tooltip,
         QStringLiteral("Guarda el diagrama como imagen PNG o SVG"),
         QStringLiteral("Saves the chart as a PNG or SVG image")},
    };
    return tabla;
}

} // namespace vorlo
