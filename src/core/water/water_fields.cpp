#include "water_fields.h"

namespace vorlo::agua {

namespace {

constexpr unsigned kEntrada = Caja | FiltroNumerico | RecalculaAlCambiar | VaciaAlBorrar;
constexpr unsigned kResultado = Caja | VaciaAlBorrar;
const Formato kSeis{Formato::Significativas, 6};

TextoBilingue texto(const char *espanol, const char *ingles) {
    return {QString::fromUtf8(espanol), QString::fromUtf8(ingles)};
}

// A row the window shows.
Campo ventana(const QString &nombre, Rol rol, unsigned marcas, const TextoBilingue &rotulo,
              const char *unidad, const Formato &formato, const char *clave) {
    return {nombre,
            rol,
            marcas,
            rotulo,
            QString::fromUtf8(unidad),
            formato,
            QString(),
            QString::fromLatin1(clave)};
}

// A result only the command prints: no control, so no name.
Campo soloLinea(const TextoBilingue &rotulo, const char *unidad, const char *clave) {
    return ventana(QString(), Rol::Resultado, 0, rotulo, unidad, kSeis, clave);
}

} // namespace

const TablaCampos &camposAgua() {
    static const TablaCampos tabla{
        ventana(TAgua, Rol::Entrada, kEntrada, texto("Temperatura", "Temperature"), "ºC", {}, "t"),
        ventana(PAgua, Rol::Entrada, kEntrada, texto("Presión absoluta", "Absolute pressure"),
                "bar a", {}, "p"),
        soloLinea(texto("Región IAPWS-IF97", "IAPWS-IF97 region"), "", "region"),
        ventana(FaseAgua, Rol::Resultado, kResultado, texto("Fase", "Phase"), "", {}, "phase"),
        ventana(DensidadAgua, Rol::Resultado, kResultado, texto("Densidad", "Density"), "kg/m3",
                kSeis, "density"),
        soloLinea(texto("Volumen específico", "Specific volume"), "m3/kg", "specific_volume"),
        ventana(EntalpiaAgua, Rol::Resultado, kResultado,
                texto("Entalpía específica", "Specific enthalpy"), "kJ/kg", kSeis, "enthalpy"),
        soloLinea(texto("Entropía específica", "Specific entropy"), "kJ/(kg·K)", "entropy"),
        ventana(CpAgua, Rol::Resultado, kResultado,
                texto("Calor específico a presión constante", "Isobaric specific heat"),
                "kJ/(kg·K)", kSeis, "cp"),
        soloLinea(texto("Velocidad del sonido", "Speed of sound"), "m/s", "speed_of_sound"),
        ventana(ViscDinAgua, Rol::Resultado, kResultado,
                texto("Viscosidad dinámica", "Dynamic viscosity"), "Pa·s", kSeis,
                "dynamic_viscosity"),
        ventana(ViscCinAgua, Rol::Resultado, kResultado,
                texto("Viscosidad cinemática", "Kinematic viscosity"), "m2/s", kSeis,
                "kinematic_viscosity"),
        ventana(TsatAgua, Rol::Resultado, kResultado,
                texto("Temperatura de saturación", "Saturation temperature"), "ºC", kSeis,
                "saturation_temperature"),
        ventana(PsatAgua, Rol::Resultado, kResultado,
                texto("Presión de saturación", "Saturation pressure"), "bar a", kSeis,
                "saturation_pressure"),
        ventana(NotaAgua, Rol::Nota, VaciaAlBorrar, {}, "", {}, ""),
    };
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
