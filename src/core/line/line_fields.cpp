#include "line_fields.h"

#include "fields/field_rows.h"

namespace vorlo::linea {

namespace {

using filas::entrada;
using filas::texto;

// Written with a fixed number of decimals in the window; the command prints every digit.
constexpr auto resultado = &filas::resultadoFijo;

QList<SeccionCampos> secciones() {
    Campo bomba = entrada(BombaTras, texto("Bomba", "Pump"), "", "pump-after");
    bomba.marcas = Oculto | LeidaPorPasada | VaciaAlBorrar;
    // The window draws the pump's list and its caption itself.
    bomba.etiqueta.clear();
    bomba.controlUnidad.clear();
    Campo curva =
        entrada(CurvaBomba,
                texto("Curva de la bomba, Q (m3/h) : H (m); …", "Pump curve, Q (m3/h) : H (m); …"),
                "", "pump-curve");
    curva.marcas = Caja | EsTexto | LeidaPorPasada | VaciaAlBorrar;
    Campo tramos{.nombre = Tramos,
                 .marcas = Oculto | EsTexto | LeidaPorPasada,
                 .rotulo = texto("Tramos", "Segments"),
                 .clave = QStringLiteral("segment")};
    Campo nota{.nombre = NotaLinea, .rol = Rol::Nota};
    return {
        {texto("FLUIDO Y PRESIONES", "FLUID AND PRESSURES"),
         QStringLiteral("EncabezadoFluidoLinea"),
         {entrada(QLinea, texto("Caudal Q", "Flow Q"), "m3/h", "q"),
          entrada(DensidadLinea, texto("Densidad", "Density"), "kg/m3", "density"),
          entrada(ViscLinea, texto("V.Dinámica (µ)", "Dynamic v.(µ)"), "Pa · s", "viscosity"),
          entrada(PsatLinea, texto("Presión de vapor", "Vapour pressure"), "bar a", "psat"),
          entrada(PInicio, texto("Presión al inicio", "Pressure at the start"), "bar a", "p-start"),
          entrada(PFin, texto("Presión al final", "Pressure at the end"), "bar a", "p-end"),
          tramos}},
        {texto("BOMBA", "PUMP"),
         QStringLiteral("EncabezadoBombaLinea"),
         {bomba,
          entrada(EficienciaBomba, texto("Rendimiento (0-1)", "Efficiency (0-1)"), "",
                  "efficiency"),
          entrada(NPSHrLinea, texto("NPSH requerido", "NPSH required"), "m", "npshr"), curva}},
        {texto("RESULTADOS DE LA LÍNEA", "LINE RESULTS"),
         QStringLiteral("EncabezadoResultadosLinea"),
         {resultado(QLineaCalc, texto("Caudal calculado", "Flow solved"), "m3/h", 3, "flow"),
          resultado(DPFriccionLinea, texto("Pérdida por fricción", "Friction drop"), "bar", 4,
                    "dp_friction"),
          resultado(DPAccesoriosLinea, texto("Pérdida en accesorios", "Fittings drop"), "bar", 4,
                    "dp_fittings"),
          resultado(DPEstaticaLinea, texto("Diferencia estática", "Static difference"), "bar", 4,
                    "dp_static"),
          resultado(DPEquiposLinea, texto("Pérdida en equipos", "Equipment drop"), "bar", 4,
                    "dp_equipment"),
          resultado(DPLineaTotal, texto("Caída total de la línea", "Line's total drop"), "bar", 4,
                    "dp_total"),
          resultado(PFinCalc, texto("Presión al final", "Pressure at the end"), "bar a", 4,
                    "p_end"),
          nota}},
        {texto("RESULTADOS DE LA BOMBA", "PUMP RESULTS"),
         QStringLiteral("EncabezadoResultadosBomba"),
         {resultado(PSuccion, texto("Presión de aspiración", "Suction pressure"), "bar a", 4,
                    "suction_pressure"),
          resultado(PDescarga, texto("Presión de descarga", "Discharge pressure"), "bar a", 4,
                    "discharge_pressure"),
          resultado(DPBomba, texto("Presión diferencial", "Differential pressure"), "bar", 4,
                    "pump_dp"),
          resultado(AlturaBomba, texto("Altura manométrica (TDH)", "Total dynamic head (TDH)"), "m",
                    2, "tdh"),
          resultado(NPSHd, texto("NPSH disponible", "NPSH available"), "m", 2, "npsha"),
          resultado(MargenNPSH, texto("Margen de NPSH", "NPSH margin"), "m", 2, "npsh_margin"),
          resultado(PotenciaHidraulica, texto("Potencia hidráulica", "Hydraulic power"), "kW", 3,
                    "hydraulic_power"),
          resultado(PotenciaEje, texto("Potencia al eje", "Shaft power"), "kW", 3, "shaft_power"),
          resultado(PuntoOperacion, texto("Caudal de operación", "Operating flow"), "m3/h", 3,
                    "operating_flow"),
          resultado(AlturaOperacion, texto("Altura de operación", "Operating head"), "m", 2,
                    "operating_head")}},
    };
}

Campo columna(const char *nombre, const TextoBilingue &rotulo, const char *unidad,
              const char *clave, int decimales = -1) {
    Campo c{.nombre = QString::fromLatin1(nombre),
            .rol = decimales < 0 ? Rol::Entrada : Rol::Resultado,
            .marcas = decimales < 0 ? unsigned(FiltroNumerico) : 0u,
            .rotulo = rotulo,
            .unidad = QString::fromUtf8(unidad),
            .clave = QString::fromLatin1(clave)};
    if (decimales >= 0)
        c.formato = {Formato::Fijo, decimales};
    return c;
}

QList<Campo> construirColumnas() {
    return {
        columna("DTramo", texto("D. interior", "Int. diameter"), "mm", "id_mm"),
        columna("LTramo", texto("Longitud", "Length"), "m", "length_m"),
        columna("DzTramo", texto("Subida", "Rise"), "m", "dz_m"),
        columna("RugTramo", texto("Rugosidad", "Roughness"), "mm", ""),
        columna("KTramo", texto("K total", "K total"), "", ""),
        columna("EquipoTramo", texto("Equipos", "Equipment"), "bar", ""),
        columna("VTramo", texto("Velocidad", "Velocity"), "m/s", "velocity_m_s", 3),
        columna("ReTramo", texto("Reynolds", "Reynolds"), "", "re", 0),
        columna("fTramo", texto("f", "f"), "", "f", 6),
        columna("DPFTramo", texto("ΔP fricción", "ΔP friction"), "bar", "dp_friction_bar", 4),
        columna("DPKTramo", texto("ΔP accesorios", "ΔP fittings"), "bar", "dp_fittings_bar", 4),
        columna("DPSTramo", texto("ΔP estática", "ΔP static"), "bar", "dp_static_bar", 4),
        columna("DPETramo", texto("ΔP equipos", "ΔP equipment"), "bar", "dp_equipment_bar", 4),
        columna("DPTTramo", texto("ΔP total", "ΔP total"), "bar", "dp_total_bar", 4),
        columna("PEntTramo", texto("P entrada", "P inlet"), "bar a", "p_in_bar", 4),
        columna("PSalTramo", texto("P salida", "P outlet"), "bar a", "p_out_bar", 4),
    };
}

} // namespace

const TablaCampos &tabla() {
    static const TablaCampos t(texto("Línea y bomba", "Line and pump"),
                               QStringLiteral("TituloLineaBomba"), secciones());
    return t;
}

const QList<Campo> &columnasTramo() {
    static const QList<Campo> c = construirColumnas();
    return c;
}

TextoBilingue sinBomba() {
    return texto("Sin bomba", "No pump");
}
TextoBilingue bombaTrasTramo() {
    return texto("tras el tramo %1", "after segment %1");
}
TextoBilingue tituloCurvas() {
    return texto("Curva del sistema", "System curve");
}
TextoBilingue ejeCaudal() {
    return texto("Caudal (m3/h)", "Flow (m3/h)");
}
TextoBilingue ejeAltura() {
    return texto("Altura (m)", "Head (m)");
}
TextoBilingue rotuloCurvaSistema() {
    return texto("Sistema", "System");
}
TextoBilingue rotuloCurvaBomba() {
    return texto("Bomba", "Pump");
}
TextoBilingue rotuloPuntoDiseno() {
    return texto("Punto de diseño", "Design point");
}
TextoBilingue rotuloPuntoOperacion() {
    return texto("Punto de operación", "Operating point");
}

} // namespace vorlo::linea
