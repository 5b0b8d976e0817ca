#include "report_texts.h"

#include "gas/gas_state.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"

namespace vorlo::informe {

namespace {

QList<SeccionRotulos> construirTuberia() {
    using namespace tuberia;
    return {
        {QStringLiteral("DATOS INICIALES (En condiciones de proceso)"),
         QStringLiteral("INITIAL DATA (actual conditions)"),
         {
             {Qproceso, QStringLiteral("Caudal"), QStringLiteral("Flow Rate"),
              QStringLiteral("m3/h")},
             {dproceso, QStringLiteral("Densidad"), QStringLiteral("Density"),
              QStringLiteral("kg/m3")},
             {vdinamica, QStringLiteral("V.Dinámica (µ)"), QStringLiteral("Dynamic v.(µ)"),
              QStringLiteral("Pa · s")},
             {Vcinematica, QStringLiteral("V.Cinemática"), QStringLiteral("Kinematic v."),
              QStringLiteral("m2/s")},
             {LabelTuberia, QStringLiteral("Tubería"), QStringLiteral("Pipe"), QString()},
             {dint, QStringLiteral("Diámetro Interior"), QStringLiteral("Internal Diameter"),
              QStringLiteral("mm")},
             {Vproceso, QStringLiteral("Velocidad"), QStringLiteral("Velocity"),
              QStringLiteral("m/s")},
             {Re, QStringLiteral("Reynolds"), QStringLiteral("Reynolds"), QString()},
             {laminarturbulento, QStringLiteral("Régimen"), QStringLiteral("Flow regime"),
              QString()},
             {Rugosidad, QStringLiteral("Rugosidad"), QStringLiteral("Rugosity"),
              QStringLiteral("mm")},
         }},
        {QStringLiteral("FACTOR DE FRICCIÓN Y PÉRDIDA DE CARGA"),
         QStringLiteral("FRICTION FACTOR AND PRESSURE DROP"),
         {
             {ffinal, QStringLiteral("Factor de fricción f"), QStringLiteral("Friction factor, f"),
              QString()},
             {Labelffriccion, QStringLiteral("Nota del factor de fricción"),
              QStringLiteral("Friction factor note"), QString()},
             {fexacta, QStringLiteral("f exacto (Colebrook)"), QStringLiteral("Exact Colebrook f"),
              QString()},
             {Labelfexacta, QStringLiteral("Nota del f exacto"), QStringLiteral("Exact f note"),
              QString()},
             {DP, QStringLiteral("Por metro de tubería"), QStringLiteral("Per meter of pipe"),
              QStringLiteral("kPa/m")},
             {DPbar, QStringLiteral("Por metro de tubería"), QStringLiteral("Per meter of pipe"),
              QStringLiteral("bar/m")},
             {L, QStringLiteral("Longitud"), QStringLiteral("Length"), QStringLiteral("m")},
             {Desnivel, QStringLiteral("Desnivel"), QStringLiteral("Change of elevation"),
              QStringLiteral("m")},
             {DPtotalm, QStringLiteral("Pérdida de Carga Total"),
              QStringLiteral("Total pressure drop"), QStringLiteral("m")},
             {DPbarTotal, QStringLiteral("Pérdida de Carga Total"),
              QStringLiteral("Total pressure drop"), QStringLiteral("bar")},
         }},
        {QStringLiteral("PÉRDIDA DE CARGA EN ACCESORIOS"),
         QStringLiteral("PRESSURE DROP IN FITTINGS"),
         {
             {ktotal, QStringLiteral("K total"), QStringLiteral("K total"), QString()},
             {PerdidaAccesorios, QStringLiteral("Pérdida Carga en Accesorios"),
              QStringLiteral("Pressure drop in fittingss"), QStringLiteral("bar")},
             {PcargaTuberiaYaccesorios, QStringLiteral("P.Carga Tubería+Accesorios"),
              QStringLiteral("P.Drop pipe+fittings"), QStringLiteral("bar")},
         }},
    };
}

QList<SeccionRotulos> construirGas() {
    using namespace gas;
    const QString presion = QStringLiteral("Presión Absoluta");
    const QString pressure = QStringLiteral("Absolute Pressure");
    const QString temperatura = QStringLiteral("Temperatura");
    const QString temperature = QStringLiteral("Temperature");
    const QString bar = QStringLiteral("Bar a");
    const QString grados = QStringLiteral("ºC");
    return {
        {QStringLiteral("CARACTERÍSTICAS DEL GAS"),
         QStringLiteral("GAS PROPERTIES"),
         {
             {dref, QStringLiteral("Densidad"), QStringLiteral("Density"), QStringLiteral("kg/m3")},
             {Zref, QStringLiteral("Compresibilidad (Z)"), QStringLiteral("Compressibility (Z)"),
              QString()},
         }},
        {QStringLiteral("Condiciones de Referencia:"),
         QStringLiteral("Reference conditions:"),
         {
             {Pref, presion, pressure, bar},
             {tref, temperatura, temperature, grados},
         }},
        {QStringLiteral("CONDICIONES DE PROCESO"),
         QStringLiteral("PROCESS CONDITIONS"),
         {
             {Pproceso, presion, pressure, bar},
             {tproceso, temperatura, temperature, grados},
             {Zproceso, QStringLiteral("Compresibilidad"), QStringLiteral("Compressibility (Z)"),
              QString()},
             {dproceso, QStringLiteral("Densidad"), QStringLiteral("Density"),
              QStringLiteral("kg/m3")},
         }},
        {QStringLiteral("CAUDAL NORMALIZADO"),
         QStringLiteral("NORMALIZED FLOW RATE"),
         {
             {Qnormales, QStringLiteral("Caudal"), QStringLiteral("Flow Rate"),
              QStringLiteral("m3/h")},
         }},
        {QStringLiteral("Condiciones de Referencia"),
         QStringLiteral("Reference conditions"),
         {
             {P_paraQ, presion, pressure, bar},
             {T_paraQ, temperatura, temperature, grados},
             {Z_paraQ, QStringLiteral("Compresibilidad"), QStringLiteral("Compressibility (Z)"),
              QString()},
         }},
        {QStringLiteral("CAUDAL REAL, REFERIDO A LAS CONDICIONES REALES DE PROCESO"),
         QStringLiteral("ACTUAL FLOW (MEASURED)"),
         {
             {Qproceso, QStringLiteral("Caudal"), QStringLiteral("Flow rate"),
              QStringLiteral("m3/h")},
             {Qprocesomasico, QStringLiteral("Caudal Másico"), QStringLiteral("Mass flow rate"),
              QStringLiteral("Kg/h")},
         }},
    };
}

} // namespace

const QList<SeccionRotulos> &secciones(Ventana v) {
    static const QList<SeccionRotulos> tuberia = construirTuberia();
    static const QList<SeccionRotulos> gas = construirGas();
    return v == Ventana::Tuberia ? tuberia : gas;
}

const RotuloCampo *rotulo(Ventana v, const QString &campo) {
    for (const SeccionRotulos &s : secciones(v))
        for (const RotuloCampo &r : s.campos)
            if (r.campo == campo)
                return &r;
    return nullptr;
}

QStringList campos(Ventana v) {
    QStringList l;
    for (const SeccionRotulos &s : secciones(v))
        for (const RotuloCampo &r : s.campos)
            l << r.campo;
    return l;
}

const QList<RotuloCampo> &opciones(Ventana v) {
    static const QList<RotuloCampo> tuberia = {
        {QStringLiteral("Option1"), QStringLiteral("Líquidos"), QStringLiteral("Liquids"), {}},
        {QStringLiteral("Option2"), QStringLiteral("Gases"), QStringLiteral("Gases"), {}},
        {QStringLiteral("Option3"),
         QStringLiteral("V.Dinámica (µ)"),
         QStringLiteral("Dynamic v.(µ)"),
         {}},
        {QStringLiteral("Option4"),
         QStringLiteral("V. Cinemática"),
         QStringLiteral("Kinematic v."),
         {}},
    };
    static const QList<RotuloCampo> gas = {
        {QStringLiteral("Option1"),
         QStringLiteral("Conozco el caudal normalizado y quiero conocer caudal referido a las "
                        "condiciones de proceso"),
         QStringLiteral("Normalized flow rate is known"),
         {}},
        {QStringLiteral("Option2"),
         QStringLiteral("Conozco el caudal referenciado a las condiciones de proceso y quiero "
                        "calcularlo en otras condiciones de referencia"),
         QStringLiteral("Actual (measured) flow rate is known"),
         {}},
        {QStringLiteral("Check1"),
         QStringLiteral("Considerar factor de compresibilidad (Z)"),
         QStringLiteral("Consider compressibility factor (Z)"),
         {}},
    };
    return v == Ventana::Tuberia ? tuberia : gas;
}

namespace palabras {
const Palabra NotaDeCalculo{QStringLiteral("Nota de cálculo"), QStringLiteral("Calculation note")};
const Palabra Fecha{QStringLiteral("Fecha"), QStringLiteral("Date")};
const Palabra Programa{QStringLiteral("Programa"), QStringLiteral("Program")};
const Palabra Caso{QStringLiteral("Caso"), QStringLiteral("Case")};
const Palabra Fluido{QStringLiteral("Fluido"), QStringLiteral("Fluid")};
const Palabra Viscosidad{QStringLiteral("Viscosidad"), QStringLiteral("Viscosity")};
const Palabra Modo{QStringLiteral("Modo"), QStringLiteral("Mode")};
const Palabra Si{QStringLiteral("Sí"), QStringLiteral("Yes")};
const Palabra No{QStringLiteral("No"), QStringLiteral("No")};
const Palabra SinSeleccionar{QStringLiteral("sin seleccionar"), QStringLiteral("not selected")};
const Palabra Magnitud{QStringLiteral("Magnitud"), QStringLiteral("Quantity")};
const Palabra Valor{QStringLiteral("Valor"), QStringLiteral("Value")};
const Palabra Unidad{QStringLiteral("Unidad"), QStringLiteral("Unit")};
const Palabra Campo{QStringLiteral("Campo"), QStringLiteral("Field")};
const Palabra Accesorios{QStringLiteral("Accesorios"), QStringLiteral("Fittings")};
const Palabra Accesorio{QStringLiteral("Accesorio"), QStringLiteral("Fitting")};
const Palabra Uds{QStringLiteral("Uds"), QStringLiteral("Uds")};
const Palabra UdsPorK{QStringLiteral("Uds × K"), QStringLiteral("Uds × K")};
const Palabra Diametro{QStringLiteral("Diámetro"), QStringLiteral("Diameter")};
const Palabra DiametroNominal{QStringLiteral("Diámetro nominal de los K"),
                              QStringLiteral("Nominal diameter of the K values")};
const Palabra KTotal{QStringLiteral("K total"), QStringLiteral("K total")};
const Palabra Avisos{QStringLiteral("Avisos"), QStringLiteral("Warnings")};
const Palabra Notas{QStringLiteral("Notas"), QStringLiteral("Notes")};
const Palabra Pagina{QStringLiteral("Página %1 de %2"), QStringLiteral("Page %1 of %2")};
const Palabra ValoresComoVentana{
    QStringLiteral("Los valores son los textos que muestra la ventana, con sus mismas cifras "
                   "(coma decimal, punto de miles)."),
    QStringLiteral("Values are the texts the window shows, with the same digits (decimal comma, "
                   "point between thousands).")};
const Palabra Calculados{QStringLiteral("Las filas sombreadas son campos que el programa calcula."),
                         QStringLiteral("Shaded rows are fields the program computes.")};
const Palabra CeroAbsoluto{
    QStringLiteral("Temperatura por debajo del cero absoluto, por favor corrija"),
    QStringLiteral("Temperatura por debajo del cero absoluto, por favor corrija")};
const Palabra TramoCompleto{
    QStringLiteral("Los campos por metro muestran la pérdida en todo el tramo recto (doble clic en "
                   "DPbar): DP en Pa y DPbar en bar."),
    QStringLiteral("The per-metre fields show the drop over the whole straight length (double "
                   "click on DPbar): DP in Pa, DPbar in bar.")};
} // namespace palabras

} // namespace vorlo::informe
