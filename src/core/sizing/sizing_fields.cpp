#include "sizing_fields.h"

#include "fields/input_checks.h"
#include "fields/numbers.h"
#include "units/conversionuds.h"

#include <limits>

namespace vorlo {

using namespace dimensionado;

namespace {

// Every input is a number box the calculation reads; a change recomputes the table at once.
constexpr unsigned kEntrada =
    Caja | FiltroNumerico | LeidaPorPasada | RecalculaAlCambiar | VaciaAlBorrar;

double valorONan(const CamposTexto &campos, const QString &campo) {
    return leerNumero(campos.texto(campo)).value_or(std::numeric_limits<double>::quiet_NaN());
}

std::optional<double> limite(const CamposTexto &campos, const QString &campo) {
    if (campos.texto(campo).trimmed().isEmpty())
        return std::nullopt;
    return valorONan(campos, campo);
}

// The unit beside each input is a converter button where the converter has the quantity kind
// (`magnitud`), else a label; both are named "Unidad" + the field's name.
Campo entrada(const QString &nombre, const TextoBilingue &rotulo, const QString &unidad,
              const QString &clave, unsigned marcas = 0, const QString &magnitud = {}) {
    return {.nombre = nombre,
            .rol = Rol::Entrada,
            .marcas = kEntrada | marcas,
            .rotulo = rotulo,
            .unidad = unidad,
            .etiqueta = QStringLiteral("Etiqueta") + nombre,
            .controlUnidad = QStringLiteral("Unidad") + nombre,
            .magnitud = magnitud,
            .clave = clave};
}

TablaCampos construir() {
    const QList<SeccionCampos> secciones = {
        {{QStringLiteral("DATOS DE PROCESO"), QStringLiteral("PROCESS DATA")},
         QStringLiteral("EtiquetaProcesoDim"),
         {
             entrada(QDim, {QStringLiteral("Caudal"), QStringLiteral("Flow rate")},
                     QStringLiteral("m3/h"), QStringLiteral("q"), 0, kCaudal),
             entrada(DensidadDim, {QStringLiteral("Densidad"), QStringLiteral("Density")},
                     QStringLiteral("kg/m3"), QStringLiteral("density"), 0, kDensidad),
             entrada(ViscDim,
                     {QStringLiteral("Viscosidad dinámica"), QStringLiteral("Dynamic viscosity")},
                     QStringLiteral("Pa·s"), QStringLiteral("viscosity"), 0, kViscosidad),
             entrada(RugDim, {QStringLiteral("Rugosidad"), QStringLiteral("Roughness")},
                     QStringLiteral("mm"), QStringLiteral("roughness")),
         }},
        {{QStringLiteral("CRITERIOS"), QStringLiteral("CRITERIA")},
         QStringLiteral("EtiquetaCriteriosDim"),
         {
             entrada(VmaxDim,
                     {QStringLiteral("Velocidad máxima"), QStringLiteral("Maximum velocity")},
                     QStringLiteral("m/s"), QStringLiteral("vmax"), Opcional),
             entrada(DPmaxDim, {QStringLiteral("Pérdida máxima"), QStringLiteral("Maximum drop")},
                     QStringLiteral("bar/100 m"), QStringLiteral("dpmax"), Opcional),
         }},
    };
    return TablaCampos({QStringLiteral("DIMENSIONADO DE LÍNEAS"), QStringLiteral("LINE SIZING")},
                       QStringLiteral("EtiquetaTituloDim"), secciones);
}

} // namespace

const TablaCampos &tablaDimensionado() {
    static const TablaCampos tabla = construir();
    return tabla;
}

EntradaDimensionado entradaDesdeTextos(const CamposTexto &campos, NormaTuberia norma,
                                       const QString &cedula) {
    EntradaDimensionado e;
    e.caudal = valorONan(campos, QDim);
    e.densidad = valorONan(campos, DensidadDim);
    e.viscosidad = valorONan(campos, ViscDim);
    e.rugosidad = valorONan(campos, RugDim);
    e.velocidadMaxima = limite(campos, VmaxDim);
    e.perdidaMaxima = limite(campos, DPmaxDim);
    e.norma = norma;
    e.cedula = cedula;
    return e;
}

std::optional<TextoBilingue> problemaTextosDimensionado(const CamposTexto &campos) {
    for (const Campo &c : tablaDimensionado().campos()) {
        const Requisito r = c.nombre == RugDim ? Requisito::NoNegativo : Requisito::Positivo;
        if (const auto motivo = problemaNumero(campos.texto(c.nombre), r))
            return mensajeCampo(c.rotulo, *motivo);
    }
    return std::nullopt;
}

} // namespace vorlo
