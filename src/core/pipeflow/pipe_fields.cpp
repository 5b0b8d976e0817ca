#include "pipe_fields.h"

#include "pipeflow/regimen.h"
#include "units/conversionuds.h"

namespace vorlo::tuberia {

namespace {

// The window's own numbers: what is typed stays as typed (the default format); results carry
// the decimals the pass writes them with, which later steps read back.
Formato fijo(int decimales) {
    return {Formato::Fijo, decimales};
}

// Marks shared by the inputs a user types: a text box with the numeric key filter, read by
// the pass and emptied by the window's clear.
constexpr unsigned kEntrada = Caja | FiltroNumerico | LeidaPorPasada | VaciaAlBorrar;

TablaCampos construir() {
    const TextoBilingue porMetro{QStringLiteral("Por metro de tubería"),
                                 QStringLiteral("Per meter of pipe")};
    // The note says which drop the per-metre rows hold, as the window's hint does.
    const TextoBilingue porMetroRecta{QStringLiteral("Por metro de tubería recta"),
                                      QStringLiteral("Per metre of straight pipe")};
    const TextoBilingue total{QStringLiteral("Pérdida de Carga Total"),
                              QStringLiteral("Total pressure drop")};
    const QList<SeccionCampos> secciones = {
        {{QStringLiteral("DATOS INICIALES (En condiciones de proceso)"),
          QStringLiteral("INITIAL DATA (actual conditions)")},
         QStringLiteral("Label17"),
         {
             {.nombre = Qproceso,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar | RecalculaAlSalir | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("Caudal"), QStringLiteral("Flow Rate")},
              .unidad = QStringLiteral("m3/h"),
              .etiqueta = QStringLiteral("Label1"),
              .controlUnidad = QStringLiteral("Command10"),
              .magnitud = kCaudal},
             {.nombre = dproceso,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("Densidad"), QStringLiteral("Density")},
              .unidad = QStringLiteral("kg/m3"),
              .etiqueta = QStringLiteral("Label2"),
              .controlUnidad = QStringLiteral("Command11"),
              .magnitud = kDensidad},
             {.nombre = vdinamica,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar | RecalculaAlSalir | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("V.Dinámica (µ)"), QStringLiteral("Dynamic v.(µ)")},
              .unidad = QStringLiteral("Pa · s"),
              .etiqueta = QStringLiteral("Label3"),
              .controlUnidad = QStringLiteral("Command12"),
              .magnitud = kViscosidad},
             {.nombre = Vcinematica,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar,
              .rotulo = {QStringLiteral("V.Cinemática"), QStringLiteral("Kinematic v.")},
              .unidad = QStringLiteral("m2/s"),
              .etiqueta = QStringLiteral("Label25"),
              .controlUnidad = QStringLiteral("Command17"),
              .magnitud = kViscosidadCinematica},
             {.nombre = LabelTuberia,
              .rol = Rol::Entrada,
              .marcas = Opcional | EsTexto,
              .rotulo = {QStringLiteral("Tubería"), QStringLiteral("Pipe")}},
             {.nombre = dint,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlSalir,
              .rotulo = {QStringLiteral("Diámetro Interior"), QStringLiteral("Internal Diameter")},
              .unidad = QStringLiteral("mm"),
              .etiqueta = QStringLiteral("Label4"),
              .controlUnidad = QStringLiteral("Label8")},
             {.nombre = Vproceso,
              .rol = Rol::Resultado,
              .marcas = kEntrada | RecalculaAlCambiar | RecalculaAlSalir | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("Velocidad"), QStringLiteral("Velocity")},
              .unidad = QStringLiteral("m/s"),
              .formato = fijo(4),
              .etiqueta = QStringLiteral("Label9"),
              .controlUnidad = QStringLiteral("Label11")},
             {.nombre = Re,
              .rol = Rol::Resultado,
              .marcas = kEntrada | RecalculaAlCambiar | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("Reynolds"), QStringLiteral("Reynolds")},
              .formato = fijo(0),
              .etiqueta = QStringLiteral("Label10")},
             {.nombre = laminarturbulento,
              .rol = Rol::Nota,
              .rotulo = {QStringLiteral("Régimen"), QStringLiteral("Flow regime")}},
             {.nombre = Rugosidad,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar | RecalculaAlSalir,
              .rotulo = {QStringLiteral("Rugosidad"), QStringLiteral("Rugosity")},
              .unidad = QStringLiteral("mm"),
              .etiqueta = QStringLiteral("Label12"),
              .controlUnidad = QStringLiteral("Label13"),
              .rotuloInforme = {QStringLiteral("Rugosidad"), QStringLiteral("Roughness")}},
         }},
        {{QStringLiteral("FACTOR DE FRICCIÓN Y PÉRDIDA DE CARGA"),
          QStringLiteral("FRICTION FACTOR AND PRESSURE DROP")},
         QStringLiteral("Label18"),
         {
             {.nombre = ffinal,
              .rol = Rol::Resultado,
              .marcas = kEntrada | RecalculaAlCambiar | VaciaAlCambiarModo,
              .rotulo = {QStringLiteral("Factor de fricción f"),
                         QStringLiteral("Friction factor, f")},
              .formato = fijo(4),
              .etiqueta = QStringLiteral("Label16")},
             {.nombre = Labelffriccion,
              .rol = Rol::Nota,
              .rotulo = {QStringLiteral("Nota del factor de fricción"),
                         QStringLiteral("Friction factor note")}},
             {.nombre = fexacta,
              .rol = Rol::Resultado,
              .marcas = Caja | Opcional,
              .rotulo = {QStringLiteral("f exacto (Colebrook)"),
                         QStringLiteral("Exact Colebrook f")},
              .formato = fijo(6),
              .etiqueta = QStringLiteral("Label40")},
             {.nombre = Labelfexacta,
              .rol = Rol::Nota,
              .marcas = Opcional,
              .rotulo = {QStringLiteral("Nota del f exacto"), QStringLiteral("Exact f note")}},
             {.nombre = DP,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar | VaciaAlCambiarModo,
              .rotulo = porMetro,
              .unidad = QStringLiteral("kPa/m"),
              .formato = fijo(2),
              .etiqueta = QStringLiteral("Label19"),
              .controlUnidad = QStringLiteral("unidadDP"),
              .rotuloInforme = porMetroRecta},
             {.nombre = DPbar,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar | VaciaAlCambiarModo,
              .rotulo = porMetro,
              .unidad = QStringLiteral("bar/m"),
              .formato = fijo(8),
              .etiqueta = QStringLiteral("Label19"),
              .controlUnidad = QStringLiteral("Command13"),
              .magnitud = kPresion,
              .rotuloInforme = porMetroRecta},
             {.nombre = L,
              .rol = Rol::Entrada,
              .marcas = kEntrada | RecalculaAlCambiar | RecalculaAlSalir | SoloModoPrincipal,
              .rotulo = {QStringLiteral("Longitud"), QStringLiteral("Length")},
              .unidad = QStringLiteral("m"),
              .etiqueta = QStringLiteral("Label15"),
              .controlUnidad = QStringLiteral("Label23")},
             {.nombre = Desnivel,
              .rol = Rol::Entrada,
              .marcas = Caja | FiltroNumerico | LeidaPorPasada | SoloModoPrincipal,
              .rotulo = {QStringLiteral("Desnivel"), QStringLiteral("Change of elevation")},
              .unidad = QStringLiteral("m"),
              .etiqueta = QStringLiteral("Label22"),
              .controlUnidad = QStringLiteral("Label24")},
             {.nombre = DPtotalm,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar | SoloModoPrincipal,
              .rotulo = total,
              .unidad = QStringLiteral("m"),
              .formato = fijo(8),
              .etiqueta = QStringLiteral("Label14"),
              .controlUnidad = QStringLiteral("Label27")},
             {.nombre = DPbarTotal,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar | SoloModoPrincipal,
              .rotulo = total,
              .unidad = QStringLiteral("bar"),
              .formato = {Formato::Plano, 0},
              .etiqueta = QStringLiteral("Label14"),
              .controlUnidad = QStringLiteral("Command8"),
              .magnitud = kPresion},
         }},
        {{QStringLiteral("PÉRDIDA DE CARGA EN ACCESORIOS"),
          QStringLiteral("PRESSURE DROP IN FITTINGS")},
         QStringLiteral("Label7"),
         {
             // Filled by the fittings window, so it takes no key filter.
             {.nombre = ktotal,
              .rol = Rol::Entrada,
              .marcas = Caja | LeidaPorPasada | VaciaAlBorrar,
              .rotulo = {QStringLiteral("K total"), QStringLiteral("K total")},
              .etiqueta = QStringLiteral("Label5")},
             {.nombre = PerdidaAccesorios,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar,
              .rotulo = {QStringLiteral("Pérdida Carga en Accesorios"),
                         QStringLiteral("Pressure drop in fittingss")},
              .unidad = QStringLiteral("bar"),
              .formato = fijo(7),
              .etiqueta = QStringLiteral("Label6"),
              .controlUnidad = QStringLiteral("Command14"),
              .magnitud = kPresion,
              .rotuloInforme = {QStringLiteral("Pérdida de carga en accesorios"),
                                QStringLiteral("Pressure drop in fittings")}},
             {.nombre = PcargaTuberiaYaccesorios,
              .rol = Rol::Resultado,
              .marcas = VaciaAlBorrar | SoloModoPrincipal,
              .rotulo = {QStringLiteral("P.Carga Tubería+Accesorios"),
                         QStringLiteral("P.Drop pipe+fittings")},
              .unidad = QStringLiteral("bar"),
              .formato = fijo(7),
              .etiqueta = QStringLiteral("Label21"),
              .controlUnidad = QStringLiteral("Command15"),
              .magnitud = kPresion},
         }},
    };
    const QList<Campo> opciones = {
        {.nombre = Option1,
         .rol = Rol::Entrada,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Líquidos"), QStringLiteral("Liquids")}},
        {.nombre = Option2,
         .rol = Rol::Entrada,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Gases"), QStringLiteral("Gases")}},
        {.nombre = Option3,
         .rol = Rol::Entrada,
         .marcas = Opcion | LeidaPorPasada,
         .rotulo = {QStringLiteral("V.Dinámica (µ)"), QStringLiteral("Dynamic v.(µ)")}},
        {.nombre = Option4,
         .rol = Rol::Entrada,
         .marcas = Opcion | LeidaPorPasada,
         .rotulo = {QStringLiteral("V. Cinemática"), QStringLiteral("Kinematic v.")}},
        {.nombre = CheckExacto,
         .rol = Rol::Entrada,
         .marcas = Opcion | LeidaPorPasada,
         .rotulo = {QStringLiteral("Resultados exactos (f de Colebrook exacto, sin redondeos)"),
                    QStringLiteral("Exact results (exact Colebrook f, no rounding)")}},
    };
    return TablaCampos(
        {QStringLiteral(
             "CÁLCULO DEL NÚMERO DE REYNOLDS, VELOCIDAD, F.FRICCIÓN Y PÉRDIDA DE CARGA "),
         QStringLiteral("REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND PRESSURE DROP")},
        QStringLiteral("Label28"), secciones, opciones);
}

} // namespace

const TablaCampos &campos() {
    static const TablaCampos tabla = construir();
    return tabla;
}

QStringList entradas() {
    static const QStringList l = [] {
        QStringList e = campos().conMarca(LeidaPorPasada);
        for (const Campo &o : campos().opciones())
            if (o.tiene(LeidaPorPasada))
                e << o.nombre;
        return e;
    }();
    return l;
}

QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajoLaminar) {
    if (campo == Vproceso)
        return {Qproceso, dint};
    if (campo == Re) {
        if (opcion3)
            return {Vproceso, dint, dproceso, vdinamica};
        if (opcion4)
            return {Vproceso, dint, Vcinematica};
        return {};
    }
    if (campo == ffinal)
        return reBajoLaminar ? QStringList{Re} : QStringList{Re, Rugosidad, dint};
    if (campo == fexacta)
        return {Re, Rugosidad, dint};
    if (campo == DP || campo == DPbar)
        return {dint, dproceso, Vproceso, ffinal};
    if (campo == DPbarTotal)
        return {L, DPbar, Desnivel};
    if (campo == PerdidaAccesorios)
        return {ktotal, dproceso, Vproceso};
    if (campo == PcargaTuberiaYaccesorios)
        return {PerdidaAccesorios, DPbarTotal};
    // The fittings button: the drop in the fittings needs the velocity and the density.
    if (campo == QLatin1String("Command3"))
        return {Vproceso, dproceso};
    return {};
}

Reaccion alCambiar(const QString &campo, const QString &nuevoTexto) {
    const Campo *c = campos().campo(campo);
    if (!c || !c->tiene(Caja))
        return Reaccion::Ninguna;
    if (c->tiene(RecalculaAlCambiar))
        return Reaccion::Calcular;
    if (campo == dint && nuevoTexto != QLatin1String("0") && !nuevoTexto.isEmpty())
        return Reaccion::CalcularYVaciarK;
    return Reaccion::Ninguna;
}

} // namespace vorlo::tuberia
