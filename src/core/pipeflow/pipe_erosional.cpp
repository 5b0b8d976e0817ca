#include "pipe_erosional.h"

#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"

namespace vorlo::tuberia {

const TablaCampos &camposErosional() {
    static const TablaCampos t(
        {QStringLiteral("Velocidad erosional"), QStringLiteral("Erosional velocity")}, QString(),
        {{{QStringLiteral("Velocidad erosional"), QStringLiteral("Erosional velocity")},
          QString(),
          {{.nombre = CErosional,
            .rol = Rol::Entrada,
            .marcas = Caja | FiltroNumerico,
            .rotulo = {QStringLiteral("C erosional (API RP 14E)"),
                       QStringLiteral("Erosional C (API RP 14E)")},
            .etiqueta = QStringLiteral("EtiquetaCErosional")},
           {.nombre = VErosional,
            .rol = Rol::Resultado,
            .marcas = Caja,
            .rotulo = {QStringLiteral("Velocidad erosional"), QStringLiteral("Erosional velocity")},
            .unidad = QStringLiteral("m/s"),
            .formato = {Formato::Fijo, 2},
            .etiqueta = QStringLiteral("EtiquetaVErosional"),
            .controlUnidad = QStringLiteral("UnidadVErosional")},
           {.nombre = NotaErosional, .rol = Rol::Nota}}}});
    return t;
}

Erosional erosionalDe(const QString &densidad, const QString &velocidad, const QString &c) {
    Erosional e;
    const auto rho = leerNumero(densidad);
    const auto constante =
        c.trimmed().isEmpty() ? std::optional<double>(limites::kCErosionalContinuo) : leerNumero(c);
    if (!rho || !constante)
        return e;
    e.ve = limites::velocidadErosional(*constante, *rho);
    const auto v = leerNumero(velocidad);
    e.supera = e.ve && v && *v > *e.ve;
    return e;
}

} // namespace vorlo::tuberia
