#include "sizing_fields.h"

#include "fields/numbers.h"

#include <limits>

namespace vorlo {

using namespace dimensionado;

namespace {

constexpr unsigned kEntrada = Caja | FiltroNumerico | RecalculaAlCambiar | VaciaAlBorrar;

double valorONan(const CamposTexto &campos, const QString &campo) {
    return leerNumero(campos.texto(campo)).value_or(std::numeric_limits<double>::quiet_NaN());
}

std::optional<double> limite(const CamposTexto &campos, const QString &campo) {
    if (campos.texto(campo).trimmed().isEmpty())
        return std::nullopt;
    return valorONan(campos, campo);
}

} // namespace

const TablaCampos &tablaDimensionado() {
    static const TablaCampos tabla = {
        {QDim,
         Rol::Entrada,
         kEntrada,
         {QStringLiteral("Caudal"), QStringLiteral("Flow rate")},
         QStringLiteral("m3/h"),
         {},
         QStringLiteral("EtiquetaQDim"),
         QStringLiteral("q")},
        {DensidadDim,
         Rol::Entrada,
         kEntrada,
         {QStringLiteral("Densidad"), QStringLiteral("Density")},
         QStringLiteral("kg/m3"),
         {},
         QStringLiteral("EtiquetaDensidadDim"),
         QStringLiteral("density")},
        {ViscDim,
         Rol::Entrada,
         kEntrada,
         {QStringLiteral("Viscosidad dinámica"), QStringLiteral("Dynamic viscosity")},
         QStringLiteral("Pa·s"),
         {},
         QStringLiteral("EtiquetaViscDim"),
         QStringLiteral("viscosity")},
        {RugDim,
         Rol::Entrada,
         kEntrada,
         {QStringLiteral("Rugosidad"), QStringLiteral("Roughness")},
         QStringLiteral("mm"),
         {},
         QStringLiteral("EtiquetaRugDim"),
         QStringLiteral("roughness")},
        {VmaxDim,
         Rol::Entrada,
         kEntrada | Opcional,
         {QStringLiteral("Velocidad máxima"), QStringLiteral("Maximum velocity")},
         QStringLiteral("m/s"),
         {},
         QStringLiteral("EtiquetaVmaxDim"),
         QStringLiteral("vmax")},
        {DPmaxDim,
         Rol::Entrada,
         kEntrada | Opcional,
         {QStringLiteral("Pérdida máxima"), QStringLiteral("Maximum drop")},
         QStringLiteral("bar/100 m"),
         {},
         QStringLiteral("EtiquetaDPmaxDim"),
         QStringLiteral("dpmax")},
    };
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

} // namespace vorlo
