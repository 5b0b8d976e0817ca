#include "gas_pipe_fields.h"

#include "fields/field_rows.h"
#include "fields/numbers.h"

namespace vorlo::gasoducto::campos {

namespace {

using filas::entrada;
using filas::texto;

// Written with a fixed number of decimals in the window; the command prints every digit.
constexpr auto resultado = &filas::resultadoFijo;

const TextoBilingue kNombres[] = {
    texto("Ecuación general de flujo", "General flow equation"),
    texto("Weymouth", "Weymouth"),
    texto("Panhandle A", "Panhandle A"),
    texto("Panhandle B", "Panhandle B"),
    texto("IGT", "IGT"),
};
const char *const kClaves[] = {"general", "weymouth", "panhandle-a", "panhandle-b", "igt"};

Campo ecuacion() {
    Campo c = entrada(EcuacionGasoducto, texto("Ecuación", "Equation"), "", "equation");
    c.marcas = LeidaPorPasada | EsTexto;
    for (Ecuacion e : kEcuaciones)
        c.elecciones << Eleccion{claveEcuacion(e), nombreEcuacion(e)};
    return c;
}

TablaCampos construir() {
    const char *barA = "bar a";
    const char *ms = "m/s";
    Campo q = resultado(QGasoducto, texto("Caudal estándar", "Standard flow"), "Sm3/h", 2, "q");
    Campo p2 =
        resultado(P2Gasoducto, texto("Presión de salida P2", "Outlet pressure P2"), barA, 4, "p2");
    for (Campo *c : {&q, &p2}) {
        c->rol = Rol::Entrada;
        c->marcas = filas::kMarcasEntrada;
    }
    const QList<SeccionCampos> secciones = {
        {texto("ECUACIÓN Y GAS", "EQUATION AND GAS"),
         QStringLiteral("EncabezadoGasGasoducto"),
         {ecuacion(),
          entrada(SGGasoducto,
                  texto("Densidad relativa SG (aire = 1)", "Specific gravity SG (air = 1)"), "",
                  "sg"),
          entrada(TGasoducto, texto("Temperatura media", "Average temperature"), "ºC", "t"),
          entrada(ZGasoducto, texto("Compresibilidad media Z", "Average compressibility Z"), "",
                  "z"),
          entrada(GammaGasoducto, texto("Cociente de calores γ", "Ratio of specific heats γ"), "",
                  "gamma"),
          entrada(ViscGasoducto, texto("V.Dinámica (µ)", "Dynamic v.(µ)"), "Pa · s", "viscosity")}},
        {texto("TUBERÍA", "PIPE"),
         QStringLiteral("EncabezadoTuberiaGasoducto"),
         {entrada(DGasoducto, texto("Diámetro Interior", "Internal Diameter"), "mm", "d"),
          entrada(LGasoducto, texto("Longitud", "Length"), "m", "l"),
          entrada(RugGasoducto, texto("Rugosidad", "Roughness"), "mm", "roughness"),
          entrada(EGasoducto, texto("Eficiencia E", "Efficiency E"), "", "e")}},
        {texto("CONDICIONES BASE Y LÍMITE EROSIONAL", "BASE CONDITIONS AND EROSIONAL LIMIT"),
         QStringLiteral("EncabezadoBaseGasoducto"),
         {entrada(TbGasoducto, texto("Temperatura base", "Base temperature"), "ºC", "tb"),
          entrada(PbGasoducto, texto("Presión base", "Base pressure"), barA, "pb"),
          entrada(CErosionalGasoducto,
                  texto("C erosional (API RP 14E)", "Erosional C (API RP 14E)"), "",
                  "c-erosional")}},
        {texto("PRESIONES Y CAUDAL", "PRESSURES AND FLOW"),
         QStringLiteral("EncabezadoFlujoGasoducto"),
         {entrada(P1Gasoducto, texto("Presión de entrada P1", "Inlet pressure P1"), barA, "p1"), q,
          p2}},
        {texto("RESULTADOS", "RESULTS"),
         QStringLiteral("EncabezadoResultadosGasoducto"),
         {resultado(MasaGasoducto, texto("Caudal másico", "Mass flow"), "kg/h", 2, "mass_flow"),
          resultado(Densidad1Gasoducto, texto("Densidad a la entrada", "Inlet density"), "kg/m3", 4,
                    "density_in"),
          resultado(Densidad2Gasoducto, texto("Densidad a la salida", "Outlet density"), "kg/m3", 4,
                    "density_out"),
          resultado(V1Gasoducto, texto("Velocidad a la entrada", "Inlet velocity"), ms, 2,
                    "velocity_in"),
          resultado(V2Gasoducto, texto("Velocidad a la salida", "Outlet velocity"), ms, 2,
                    "velocity_out"),
          resultado(SonidoGasoducto, texto("Velocidad del sonido", "Speed of sound"), ms, 1,
                    "sound_speed"),
          resultado(Mach1Gasoducto, texto("Mach a la entrada", "Inlet Mach"), "", 3, "mach_in"),
          resultado(Mach2Gasoducto, texto("Mach a la salida", "Outlet Mach"), "", 3, "mach_out"),
          resultado(Ve1Gasoducto, texto("V. erosional a la entrada", "Inlet erosional v."), ms, 2,
                    "erosional_velocity_in"),
          resultado(Ve2Gasoducto, texto("V. erosional a la salida", "Outlet erosional v."), ms, 2,
                    "erosional_velocity_out"),
          {.nombre = NotaGasoducto, .rol = Rol::Nota, .rotulo = texto("Avisos", "Warnings")}}},
    };
    const QList<Campo> opciones = {
        {.nombre = OpcionQGasoducto,
         .marcas = Opcion | LeidaPorPasada,
         .rotulo = texto("Calcular caudal", "Solve for flow")},
        {.nombre = OpcionP2Gasoducto,
         .marcas = Opcion | LeidaPorPasada,
         .rotulo = texto("Calcular P2", "Solve for P2")},
    };
    return TablaCampos(texto("Gasoducto", "Gas pipeline"), QStringLiteral("TituloGasoducto"),
                       secciones, opciones);
}

} // namespace

const TablaCampos &tabla() {
    static const TablaCampos t = construir();
    return t;
}

QString claveEcuacion(Ecuacion e) {
    return QString::fromLatin1(kClaves[static_cast<int>(e)]);
}

std::optional<Ecuacion> ecuacionDe(const QString &clave) {
    for (Ecuacion e : kEcuaciones)
        if (claveEcuacion(e) == clave)
            return e;
    return std::nullopt;
}

const TextoBilingue &nombreEcuacion(Ecuacion e) {
    return kNombres[static_cast<int>(e)];
}

QString textoInicial(const QString &campo) {
    if (campo == EcuacionGasoducto)
        return claveEcuacion(Ecuacion::General);
    const std::pair<const QString &, double> defectos[] = {
        {GammaGasoducto, limites::kGammaDefecto},
        {TbGasoducto, kTBaseK - kCeroAbsolutoK},
        {PbGasoducto, kPBase / kPaPorBar},
        {CErosionalGasoducto, limites::kCErosionalContinuo}};
    for (const auto &[nombre, valor] : defectos)
        if (campo == nombre)
            return formatoPlano(valor).value_or(QString());
    return {};
}

} // namespace vorlo::gasoducto::campos
