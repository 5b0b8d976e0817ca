#include "form_datos_informe_texts.h"

#include "cases/report_header.h"

namespace vorlo {

const QList<TextoControl> &textosFormDatosInforme() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = [] {
        const TablaCampos &cabecera = informe::cabecera::tabla();
        const TextoBilingue &preparado = cabecera.campo(informe::cabecera::Preparado)->rotulo;
        QList<TextoControl> l = textosDeCampos(cabecera);
        l += {
            {QString(), T::Titulo, cabecera.titulo().espanol, cabecera.titulo().ingles},
            {QStringLiteral("PistaDatosInforme"), T::Texto,
             QStringLiteral("Encabezan la nota de cálculo: el bloque del título en la primera "
                            "página, la línea y la revisión en todas. Se guardan con el caso; "
                            "\"%1\" se recuerda además de una vez a otra.")
                 .arg(preparado.espanol),
             QStringLiteral("They head the calculation note: the title block on its first page, "
                            "the line and revision on every page. They are saved with the case; "
                            "\"%1\" is also remembered from one run to the next.")
                 .arg(preparado.ingles)},
            {QStringLiteral("CerrarDatosInforme"), T::Texto, QStringLiteral("Cerrar"),
             QStringLiteral("Close")},
        };
        return l;
    }();
    return tabla;
}

} // namespace vorlo
