#include "form_datos_informe_texts.h"

#include "report/report_header.h"

namespace vorlo {

const QList<TextoControl> &textosFormDatosInforme() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = [] {
        QList<TextoControl> l = textosDeCampos(informe::cabecera::tabla());
        l += {
            {QString(), T::Titulo, QStringLiteral("Datos del informe"),
             QStringLiteral("Report details")},
            {QStringLiteral("PistaDatosInforme"), T::Texto,
             QStringLiteral("Encabezan la nota de cálculo: el bloque del título en la primera "
                            "página, la línea y la revisión en todas. Se guardan con el caso; "
                            "\"Preparado por\" se recuerda además de una vez a otra."),
             QStringLiteral("They head the calculation note: the title block on its first page, "
                            "the line and revision on every page. They are saved with the case; "
                            "\"Prepared by\" is also remembered from one run to the next.")},
            {QStringLiteral("CerrarDatosInforme"), T::Texto, QStringLiteral("Cerrar"),
             QStringLiteral("Close")},
        };
        return l;
    }();
    return tabla;
}

} // namespace vorlo
