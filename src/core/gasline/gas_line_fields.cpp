#include "gas_line_fields.h"

#include <optional>

namespace vorlo::lineagas::campos {

namespace {

TablaCampos construir() {
    const auto fila = [](const QString &nombre, const QString &etiqueta, const QString &es,
                         const QString &en, const QString &unidad, int decimales = -1) {
        Campo c{.nombre = nombre,
                .marcas = Caja | FiltroNumerico,
                .rotulo = {es, en},
                .unidad = unidad,
                .etiqueta = etiqueta};
        if (decimales >= 0) {
            c.rol = Rol::Resultado;
            c.formato = {Formato::Fijo, decimales};
        }
        return c;
    };
    const QString barA = QStringLiteral("bar a");
    const QString ms = QStringLiteral("m/s");
    const QList<SeccionCampos> secciones = {
        {{QStringLiteral("DATOS DE LA LÍNEA"), QStringLiteral("LINE DATA")},
         QStringLiteral("EncabezadoLinea"),
         {fila(P1Linea, QStringLiteral("EtiquetaP1"), QStringLiteral("Presión de entrada P1"),
               QStringLiteral("Inlet pressure P1"), barA),
          fila(Densidad1, QStringLiteral("EtiquetaDensidad1"), QStringLiteral("Densidad a P1"),
               QStringLiteral("Density at P1"), QStringLiteral("kg/m3")),
          fila(TLinea, QStringLiteral("EtiquetaTLinea"), QStringLiteral("Temperatura del gas"),
               QStringLiteral("Gas temperature"), QStringLiteral("ºC")),
          fila(DLinea, QStringLiteral("EtiquetaDLinea"), QStringLiteral("Diámetro Interior"),
               QStringLiteral("Internal Diameter"), QStringLiteral("mm")),
          fila(RugLinea, QStringLiteral("EtiquetaRugLinea"), QStringLiteral("Rugosidad"),
               QStringLiteral("Roughness"), QStringLiteral("mm")),
          fila(ViscLinea, QStringLiteral("EtiquetaViscLinea"), QStringLiteral("V.Dinámica (µ)"),
               QStringLiteral("Dynamic v.(µ)"), QStringLiteral("Pa · s")),
          fila(LLinea, QStringLiteral("EtiquetaLLinea"), QStringLiteral("Longitud"),
               QStringLiteral("Length"), QStringLiteral("m")),
          fila(GammaLinea, QStringLiteral("EtiquetaGammaLinea"),
               QStringLiteral("Cociente de calores γ"), QStringLiteral("Ratio of specific heats γ"),
               {})}},
        // The flow or P2, and f, are inputs or results by the options; their formats are those
        // they are written with as results.
        {{QStringLiteral("CAUDAL Y PRESIÓN DE SALIDA"), QStringLiteral("FLOW AND OUTLET PRESSURE")},
         QStringLiteral("EncabezadoCalculo"),
         {fila(MasicoLinea, QStringLiteral("EtiquetaMasico"), QStringLiteral("Caudal másico"),
               QStringLiteral("Mass flow"), QStringLiteral("kg/h"), 2),
          fila(P2Linea, QStringLiteral("EtiquetaP2"), QStringLiteral("Presión de salida P2"),
               QStringLiteral("Outlet pressure P2"), barA, 4),
          fila(fLinea, QStringLiteral("EtiquetaF"), QStringLiteral("Factor de fricción f"),
               QStringLiteral("Friction factor, f"), {}, 6)}},
        {{QStringLiteral("RESULTADOS"), QStringLiteral("RESULTS")},
         QStringLiteral("EncabezadoResultados"),
         {fila(DeltaPLinea, QStringLiteral("EtiquetaDeltaP"),
               QStringLiteral("Pérdida de carga P1 − P2"), QStringLiteral("Pressure drop P1 − P2"),
               QStringLiteral("bar"), 4),
          fila(DeltaPPorc, QStringLiteral("EtiquetaDeltaPPorc"),
               QStringLiteral("Pérdida en % de P1"), QStringLiteral("Drop as % of P1"),
               QStringLiteral("%"), 1),
          fila(ReLinea, QStringLiteral("EtiquetaRe"), QStringLiteral("Reynolds"),
               QStringLiteral("Reynolds"), {}, 0),
          fila(V1Linea, QStringLiteral("EtiquetaV1"), QStringLiteral("Velocidad a la entrada"),
               QStringLiteral("Inlet velocity"), ms, 2),
          fila(V2Linea, QStringLiteral("EtiquetaV2"), QStringLiteral("Velocidad a la salida"),
               QStringLiteral("Outlet velocity"), ms, 2),
          fila(VLimite, QStringLiteral("EtiquetaVLimite"), QStringLiteral("Velocidad límite"),
               QStringLiteral("Limit velocity"), ms, 2),
          fila(Mach1Linea, QStringLiteral("EtiquetaMach1Linea"),
               QStringLiteral("Mach a la entrada"), QStringLiteral("Inlet Mach"), {}, 3),
          fila(Mach2Linea, QStringLiteral("EtiquetaMach2Linea"), QStringLiteral("Mach a la salida"),
               QStringLiteral("Outlet Mach"), {}, 3),
          fila(VeLinea, QStringLiteral("EtiquetaVeLinea"),
               QStringLiteral("V. erosional a la salida"), QStringLiteral("Outlet erosional v."),
               ms, 2)}},
    };
    const QList<Campo> opciones = {
        {.nombre = OpcionP2,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Calcular P2"), QStringLiteral("Solve for P2")}},
        {.nombre = OpcionMasico,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Calcular caudal"), QStringLiteral("Solve for flow")}},
        {.nombre = FijarF,
         .marcas = Opcion | Casilla,
         .rotulo = {QStringLiteral("Factor de fricción dado"),
                    QStringLiteral("Given friction factor")}},
    };
    return TablaCampos({QStringLiteral("Línea de gas: flujo isotérmico"),
                        QStringLiteral("Gas line: isothermal flow")},
                       QStringLiteral("TituloLinea"), secciones, opciones);
}

} // namespace

const TablaCampos &tabla() {
    static const TablaCampos t = construir();
    return t;
}

QStringList todos() {
    return tabla().todos();
}

QStringList entradas(bool calcularP2, bool friccionDada) {
    QStringList e = {P1Linea, Densidad1, TLinea, DLinea, RugLinea, ViscLinea, LLinea, GammaLinea};
    e << (calcularP2 ? MasicoLinea : P2Linea);
    if (friccionDada)
        e << fLinea;
    return e;
}

namespace {

// The velocity limits' inputs: nullopt for a field that is no limit.
std::optional<QStringList> necesariosLimite(const QString &campo, const QStringList &linea,
                                            bool calcularP2, bool friccionDada) {
    if (campo == VLimite)
        return QStringList{P1Linea, Densidad1};
    // The speed of sound sqrt(gamma P1 / rho1) with each end's velocity.
    if (campo == Mach1Linea || campo == Mach2Linea) {
        QStringList n =
            necesarios(campo == Mach1Linea ? V1Linea : V2Linea, calcularP2, friccionDada);
        for (const QString &x : {GammaLinea, P1Linea, Densidad1})
            if (!n.contains(x))
                n << x;
        return n;
    }
    // The outlet density rho1 P2 / P1.
    if (campo == VeLinea)
        return calcularP2 ? linea : QStringList{P1Linea, Densidad1, P2Linea};
    return std::nullopt;
}

} // namespace

QStringList necesarios(const QString &campo, bool calcularP2, bool friccionDada) {
    if (entradas(calcularP2, friccionDada).contains(campo))
        return {};
    // The whole line: what the flow equation needs, with the friction given or from Colebrook.
    QStringList linea = {P1Linea, Densidad1, DLinea, LLinea, calcularP2 ? MasicoLinea : P2Linea};
    if (friccionDada)
        linea << fLinea;
    else
        linea << RugLinea << ViscLinea;

    if (const auto n = necesariosLimite(campo, linea, calcularP2, friccionDada))
        return *n;
    if (campo == P2Linea || campo == MasicoLinea || campo == V2Linea)
        return linea;
    if (campo == DeltaPLinea || campo == DeltaPPorc)
        return calcularP2 ? linea : QStringList{P1Linea, P2Linea};
    // Solving for P2, the flow given fixes these without the rest of the line.
    if (campo == V1Linea)
        return calcularP2 ? QStringList{MasicoLinea, Densidad1, DLinea} : linea;
    if (campo == ReLinea) {
        if (calcularP2)
            return {MasicoLinea, DLinea, ViscLinea};
        if (!linea.contains(ViscLinea))
            linea << ViscLinea;
        return linea;
    }
    if (campo == fLinea)
        return calcularP2 ? QStringList{MasicoLinea, DLinea, ViscLinea, RugLinea} : linea;
    return {};
}

int decimales(const QString &campo) {
    const Campo *c = tabla().campo(campo);
    return c ? c->formato.cifras : 0;
}

} // namespace vorlo::lineagas::campos
