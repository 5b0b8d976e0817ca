#include "gas_fields.h"

#include "units/conversionuds.h"

namespace vorlo::gas {

namespace {

// Every field of the gas window is a text box with the numeric key filter.
constexpr unsigned kCaja = Caja | FiltroNumerico;

TablaCampos construir() {
    const TextoBilingue presion{QStringLiteral("Presión Absoluta"),
                                QStringLiteral("Absolute Pressure")};
    const TextoBilingue temperatura{QStringLiteral("Temperatura"), QStringLiteral("Temperature")};
    const TextoBilingue densidad{QStringLiteral("Densidad"), QStringLiteral("Density")};
    const TextoBilingue compresibilidad{QStringLiteral("Compresibilidad"),
                                        QStringLiteral("Compressibility (Z)")};
    const QString bar = QStringLiteral("Bar a");
    const QString grados = QStringLiteral("ºC");
    const QString kgm3 = QStringLiteral("kg/m3");
    const QString m3h = QStringLiteral("m3/h");
    const auto entrada = [&](const QString &nombre, const TextoBilingue &rotulo,
                             const QString &unidad, const QString &etiqueta,
                             const QString &boton = {}, const QString &magnitud = {}) {
        return Campo{.nombre = nombre,
                     .rol = Rol::Entrada,
                     .marcas = kCaja,
                     .rotulo = rotulo,
                     .unidad = unidad,
                     .etiqueta = etiqueta,
                     .controlUnidad = boton,
                     .magnitud = magnitud};
    };
    const auto resultado = [&](Campo c) {
        c.rol = Rol::Resultado;
        return c;
    };
    const QList<SeccionCampos> secciones = {
        {{QStringLiteral("CARACTERÍSTICAS DEL GAS"), QStringLiteral("GAS PROPERTIES")},
         QStringLiteral("Label4"),
         {entrada(dref, densidad, kgm3, QStringLiteral("Label5"), QStringLiteral("Command6"),
                  kDensidad),
          entrada(Zref,
                  {QStringLiteral("Compresibilidad (Z)"), QStringLiteral("Compressibility (Z)")},
                  {}, QStringLiteral("Label6"))}},
        {{QStringLiteral("Condiciones de Referencia:"), QStringLiteral("Reference conditions:")},
         QStringLiteral("Label8"),
         {entrada(Pref, presion, bar, QStringLiteral("Label9"), QStringLiteral("Command7"),
                  kPresion),
          entrada(tref, temperatura, grados, QStringLiteral("Label10"), QStringLiteral("Command8"),
                  kTemperatura)}},
        {{QStringLiteral("CONDICIONES DE PROCESO"), QStringLiteral("PROCESS CONDITIONS")},
         QStringLiteral("Label13"),
         {entrada(Pproceso, presion, bar, QStringLiteral("Label14"), QStringLiteral("Command9"),
                  kPresion),
          entrada(tproceso, temperatura, grados, QStringLiteral("Label15"),
                  QStringLiteral("Command10"), kTemperatura),
          entrada(Zproceso, compresibilidad, {}, QStringLiteral("Label16")),
          resultado(entrada(dproceso, densidad, kgm3, QStringLiteral("Label17"),
                            QStringLiteral("Command11"), kDensidad))}},
        {{QStringLiteral("CAUDAL NORMALIZADO"), QStringLiteral("NORMALIZED FLOW RATE")},
         QStringLiteral("Label21"),
         {entrada(Qnormales, {QStringLiteral("Caudal"), QStringLiteral("Flow Rate")}, m3h,
                  QStringLiteral("Label22"), QStringLiteral("Command12"), kCaudal)}},
        {{QStringLiteral("Condiciones de Referencia"), QStringLiteral("Reference conditions")},
         QStringLiteral("Label24"),
         {entrada(P_paraQ, presion, bar, QStringLiteral("Label25"), QStringLiteral("Command14"),
                  kPresion),
          entrada(T_paraQ, temperatura, grados, QStringLiteral("Label26"),
                  QStringLiteral("Command13"), kTemperatura),
          entrada(Z_paraQ, compresibilidad, {}, QStringLiteral("Label27"))}},
        {{QStringLiteral("CAUDAL REAL, REFERIDO A LAS CONDICIONES REALES DE PROCESO"),
          QStringLiteral("ACTUAL FLOW (MEASURED)")},
         QStringLiteral("Label30"),
         {entrada(Qproceso, {QStringLiteral("Caudal"), QStringLiteral("Flow rate")}, m3h,
                  QStringLiteral("Label31"), QStringLiteral("Command15"), kCaudal),
          resultado(entrada(Qprocesomasico,
                            {QStringLiteral("Caudal Másico"), QStringLiteral("Mass flow rate")},
                            QStringLiteral("Kg/h"), QStringLiteral("Label32"),
                            QStringLiteral("Command16"), kCaudalMasico))}},
    };
    const QList<Campo> opciones = {
        {.nombre = Option1,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Conozco el caudal normalizado y quiero conocer caudal "
                                   "referido a las condiciones de proceso"),
                    QStringLiteral("Normalized flow rate is known")},
         .etiqueta = QStringLiteral("Label2")},
        {.nombre = Option2,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Conozco el caudal referenciado a las condiciones de proceso "
                                   "y quiero calcularlo en otras condiciones de referencia"),
                    QStringLiteral("Actual (measured) flow rate is known")},
         .etiqueta = QStringLiteral("Label3")},
        {.nombre = Check1,
         .marcas = Opcion,
         .rotulo = {QStringLiteral("Considerar factor de compresibilidad (Z)"),
                    QStringLiteral("Consider compressibility factor (Z)")},
         .etiqueta = QStringLiteral("Label7")},
    };
    return TablaCampos({QStringLiteral("CÁLCULO DE CAUDAL Y DENSIDAD EN GASES"),
                        QStringLiteral("FLOW RATE AND DENSITY CALCULATION. GASES")},
                       QStringLiteral("Label1"), secciones, opciones);
}

} // namespace

const TablaCampos &tabla() {
    static const TablaCampos t = construir();
    return t;
}

} // namespace vorlo::gas
