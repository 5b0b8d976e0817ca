#include "form_agua_vapor_texts.h"

#include "water/water_fields.h"

namespace vorlo {

const QList<TextoControl> &textosFormAguaVapor() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = [] {
        QList<TextoControl> l = textosDeCampos(agua::camposAgua());
        l += {
            {QString(), T::Titulo, QStringLiteral("Agua y vapor"),
             QStringLiteral("Water and steam")},
            {QStringLiteral("UsarAgua"), T::Texto, QStringLiteral("Usar en el cálculo"),
             QStringLiteral("Use in the calculation")},
            {QStringLiteral("UsarAgua"), T::Tooltip,
             QStringLiteral("Lleva la densidad y la viscosidad dinámica a la ventana de tuberías"),
             QStringLiteral("Takes the density and the dynamic viscosity to the pipe window")},
        };
        for (const Campo &c : agua::camposAgua().campos())
            if (!c.magnitud.isEmpty())
                l.append({c.controlUnidad, T::Tooltip, QStringLiteral("Pulsar para otras unidades"),
                          QStringLiteral("Press for other units")});
        return l;
    }();
    return tabla;
}

} // namespace vorlo
