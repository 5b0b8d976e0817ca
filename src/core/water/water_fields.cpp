#include "water_fields.h"

#include "units/conversionuds.h"

namespace vorlo::agua {

namespace {

constexpr unsigned kEntrada = Caja | FiltroNumerico | LeidaPorPasada | VaciaAlBorrar;
constexpr unsigned kResultado = Caja | VaciaAlBorrar;
const Formato kSeis{Formato::Significativas, 6};

TextoBilingue texto(const char *espanol, const char *ingles) {
    return {QString::fromUtf8(espanol), QString::fromUtf8(ingles)};
}

// The window's caption label and unit control of a row take the row's name.
QString etiquetaDe(const QString &nombre) {
    return nombre.isEmpty() ? QString() : QStringLiteral("Etiqueta") + nombre;
}
QString unidadDe(const QString &nombre) {
    return nombre.isEmpty() ? QString() : QStringLiteral("Unidad") + nombre;
}

// An input with its unit button, which opens the converter for `magnitud`.
Campo entrada(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
              const QString &magnitud, const char *clave) {
    return {.nombre = nombre,
            .rol = Rol::Entrada,
            .marcas = kEntrada,
            .rotulo = rotulo,
            .unidad = QString::fromUtf8(unidad),
            .etiqueta = etiquetaDe(nombre),
            .controlUnidad = unidadDe(nombre),
            .magnitud = magnitud,
            .clave = QString::fromLatin1(clave)};
}

// A number the window shows and the command prints.
Campo resultado(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                const char *clave) {
    return {.nombre = nombre,
            .rol = Rol::Resultado,
            .marcas = kResultado,
            .rotulo = rotulo,
            .unidad = QString::fromUtf8(unidad),
            .formato = kSeis,
            .etiqueta = etiquetaDe(nombre),
            .controlUnidad = unidadDe(nombre),
            .clave = QString::fromLatin1(clave)};
}

// A result only the command prints: no control, so no name.
Campo soloLinea(const TextoBilingue &rotulo, const char *unidad, const char *clave) {
    Campo c = resultado(QString(), rotulo, unidad, clave);
    c.marcas = 0;
    return c;
}

// A region is a whole number.
Campo region() {
    Campo c = soloLinea(texto("Región IAPWS-IF97", "IAPWS-IF97 region"), "", "region");
    c.formato = Formato{Formato::Fijo, 0};
    return c;
}

TablaCampos construir() {
    Campo fase{.nombre = FaseAgua,
               .rol = Rol::Resultado,
               .marcas = kResultado | EsTexto,
               .rotulo = texto("Fase", "Phase"),
               .etiqueta = etiquetaDe(FaseAgua),
               .clave = QStringLiteral("phase")};
    const QList<SeccionCampos> secciones = {
        {texto("CONDICIONES", "CONDITIONS"),
         QStringLiteral("EncabezadoCondiciones"),
         {entrada(TAgua, texto("Temperatura", "Temperature"), "ºC", kTemperatura, "t"),
          entrada(PAgua, texto("Presión absoluta", "Absolute pressure"), "bar a", kPresion, "p")}},
        {texto("PROPIEDADES", "PROPERTIES"),
         QStringLiteral("EncabezadoPropiedades"),
         {region(), fase, resultado(DensidadAgua, texto("Densidad", "Density"), "kg/m3", "density"),
          soloLinea(texto("Volumen específico", "Specific volume"), "m3/kg", "specific_volume"),
          resultado(EntalpiaAgua, texto("Entalpía específica", "Specific enthalpy"), "kJ/kg",
                    "enthalpy"),
          soloLinea(texto("Entropía específica", "Specific entropy"), "kJ/(kg·K)", "entropy"),
          resultado(CpAgua, texto("Calor específico a presión constante", "Isobaric specific heat"),
                    "kJ/(kg·K)", "cp"),
          soloLinea(texto("Velocidad del sonido", "Speed of sound"), "m/s", "speed_of_sound"),
          resultado(ViscDinAgua, texto("Viscosidad dinámica", "Dynamic viscosity"), "Pa·s",
                    "dynamic_viscosity"),
          resultado(ViscCinAgua, texto("Viscosidad cinemática", "Kinematic viscosity"), "m2/s",
                    "kinematic_viscosity")}},
        {texto("SATURACIÓN", "SATURATION"),
         QStringLiteral("EncabezadoSaturacion"),
         {resultado(TsatAgua, texto("Temperatura de saturación", "Saturation temperature"), "ºC",
                    "saturation_temperature"),
          resultado(PsatAgua, texto("Presión de saturación", "Saturation pressure"), "bar a",
                    "saturation_pressure"),
          {.nombre = NotaAgua, .rol = Rol::Nota, .marcas = VaciaAlBorrar | EsTexto}}},
    };
    return TablaCampos(texto("AGUA Y VAPOR (IAPWS-IF97)", "WATER AND STEAM (IAPWS-IF97)"),
                       QStringLiteral("TituloAgua"), secciones);
}

} // namespace

const TablaCampos &camposAgua() {
    static const TablaCampos tabla = construir();
    return tabla;
}

std::optional<double> valorAgua(const Campo &campo, const EstadoAgua &estado) {
    const QString &k = campo.clave;
    if (k == u"region")
        return estado.region;
    if (k == u"density")
        return estado.densidad;
    if (k == u"specific_volume")
        return estado.volumenEspecifico;
    if (k == u"enthalpy")
        return estado.entalpia;
    if (k == u"entropy")
        return estado.entropia;
    if (k == u"cp")
        return estado.cp;
    if (k == u"speed_of_sound")
        return estado.velocidadSonido;
    if (k == u"dynamic_viscosity")
        return estado.viscosidadDinamica;
    if (k == u"kinematic_viscosity")
        return estado.viscosidadCinematica;
    if (k == u"saturation_temperature")
        return estado.temperaturaSaturacion;
    if (k == u"saturation_pressure")
        return estado.presionSaturacion;
    return std::nullopt;
}

} // namespace vorlo::agua
