#include "form_reynolds_texts.h"

#include "app/water_entry.h"

#include "pipeflow/pipe_fields.h"
#include "report/report_texts.h"

namespace vorlo {

namespace {
using T = TextoControl;
const QString kUnidades = QStringLiteral("Pulsar para otras unidades");
const QString kUnits = QStringLiteral("Press for other units");
} // namespace

const QList<TextoControl> &textosFormReynolds() {
    static const QList<TextoControl> tabla =
        textosDeCampos(tuberia::campos()) +
        QList<TextoControl>{
            {QString(), T::Titulo, tuberia::campos().titulo().espanol,
             tuberia::campos().titulo().ingles},
            {"Command4", T::Tooltip, "Base Datos Líquidos", "Liquids Data Base"},
            {"Command7", T::Texto, "Calcular Densidad y Caudal", "Calculate density, flow"},
            {"Label26", T::Texto, "Viscosidad", "Viscosity"},
            {"Command5", T::Tooltip, "Datos Gases", "Gases data"},
            {"Command6", T::Tooltip, "Ver Rugosidades por tipo de material", "Rugosity table"},
            {"Label20", T::Texto, "Pérdida de Carga en tramos rectos de tubería",
             "Pressure drop per meter of straigth pipe length"},
            {"Command3", T::Texto, "Seleccionar Accesorios", "Fittings"},
            {"Archivo", T::Texto, "&Archivo", "&File"},
            {"Abrir", T::Texto, "Abrir", "Open"},
            {"Guardar", T::Texto, "Guardar", "Save"},
            {"Edición", T::Texto, "&Editar", "&Edition"},
            {"Borrar_Pantalla", T::Texto, "Borrar Pantalla", "Delete"},
            {"Command10", T::Tooltip, kUnidades, kUnits},
            {"Command11", T::Tooltip, kUnidades, kUnits},
            {"Command17", T::Tooltip, kUnidades, kUnits},
            {"Command13", T::Tooltip, kUnidades, kUnits},
            {"Command8", T::Tooltip, kUnidades, kUnits},
            {"Command14", T::Tooltip, kUnidades, kUnits},
            {"Command15", T::Tooltip, kUnidades, kUnits},
            {"CommandTuberia", T::Texto, "Tuberías…", "Pipe sizes…"},
            {"CommandMoody", T::Tooltip,
             informe::palabras::DiagramaMoody.espanol + " con el punto de trabajo",
             informe::palabras::DiagramaMoody.ingles + " with the operating point"},
            {"Ver", T::Texto, "&Ver", "&View"},
            {"Moody", T::Texto, informe::palabras::DiagramaMoody.espanol,
             informe::palabras::DiagramaMoody.ingles},
            {"CommandAguaVapor", T::Texto, kBotonAguaVapor.espanol, kBotonAguaVapor.ingles},
            {"CommandAguaVapor", T::Tooltip,
             "Densidad y viscosidad del agua o del vapor a cualquier temperatura y presión "
             "(IAPWS-IF97)",
             "Density and viscosity of water or steam at any temperature and pressure "
             "(IAPWS-IF97)"},
            {"AguaVapor", T::Texto, kBotonAguaVapor.espanol, kBotonAguaVapor.ingles},
            {"CommandLinea", T::Texto, "Línea…", "Line…"},
            {"CommandLinea", T::Tooltip,
             "Una línea de varios tramos en serie, con o sin bomba: presión final, caudal, "
             "altura, NPSH y curva del sistema",
             "A line of several segments in series, with or without a pump: end pressure, flow, "
             "head, NPSH and system curve"},
            {"LineaBomba", T::Texto, "Línea y bomba…", "Line and pump…"},
            {"CommandValvula", T::Texto, "Válvula…", "Valve…"},
            {"CommandValvula", T::Tooltip,
             "Válvula de control por IEC 60534-2-1 con el caudal, la densidad y la viscosidad "
             "de esta ventana",
             "Control valve by IEC 60534-2-1 with this window's flow, density and viscosity"},
            {"Valvula", T::Texto, "Válvula de control…", "Control valve…"},
            {"Gasoducto", T::Texto, "Gasoducto…", "Gas pipeline…"},
            {"CommandDimensionar", T::Texto, "Dimensionar…", "Size…"},
            {"CommandDimensionar", T::Tooltip,
             "La tubería normalizada más pequeña que cumple una velocidad y una pérdida máximas",
             "The smallest standard pipe within a maximum velocity and drop"},
            {"Dimensionado", T::Texto, "Dimensionado de línea…", "Line sizing…"},
            {"CommandLineaGas", T::Texto, "Línea de gas…", "Gas line…"},
            {"CommandLineaGas", T::Tooltip,
             "Flujo isotérmico en toda la longitud de una línea de gas: presión de salida o caudal",
             "Isothermal flow over a whole gas line: outlet pressure or flow"},
            {"CommandTuberia", T::Tooltip,
             "Elegir una tubería normalizada: norma, tamaño nominal y cédula",
             "Pick a standard pipe: standard, nominal size and schedule"},
        };
    return tabla;
}

const PistaAyuda &pistaGeneral() {
    static const PistaAyuda p{
        "Los campos que podemos calcular figuran en AZUL. Pase el ratón sobre ellos y se "
        "marcaran en rojo aquellos campos necesarios para su cálculo",
        "Fields that can be calculated are in BLUE. Move the mouser over them and the fields "
        "required for the calculation will be displayed in RED"};
    return p;
}

const PistaAyuda &pistaCaudal() {
    static const PistaAyuda p{
        "Introduzca el caudal. Tenga en cuenta que si se trata de un gas este caudal debe de ser "
        "el real en las condiciones de presión y temperatura existentes en la tubería. Si no "
        "conoce esta densidad pulse la opción  - Gases - y luego pulse -Calcular Densidad y "
        "Caudal-",
        "Enter the Flow Rate. In case of gases it shall be the actual flow-rate (meassured in "
        "process conditions). Si case it is unkown select the option 'Gases' and then -calculate "
        "density and flow rate-"};
    return p;
}

const PistaAyuda &pistaDensidad() {
    static const PistaAyuda p{
        "Introduzca la densidad. Tenga en cuenta que si se trata de un gas esta densidad debe de "
        "ser la real en las condiciones de presión y temperatura existentes en la tubería. Si no "
        "conoce esta densidad pulse la opción  - Gases - y luego pulse -Calcular Densidad y "
        "Caudal-",
        "Enter the density. Take into account that if the fluid is a gas this density shall be "
        "the actual density at the process temperature and pressure conditions in the pipe. If "
        "this density is not known press - Gases - and then press -Calculate Density, Flow-"};
    return p;
}

const PistaAyuda &pistaFexacta() {
    static const PistaAyuda p{
        "f exacto: la raíz de la ecuación de Colebrook-White, calculada sin malla a partir de "
        "Re, la rugosidad y el diámetro. Los resultados usan el factor de la malla 0,01-0,1; la "
        "nota dice cuánto difieren",
        "Exact f: the root of the Colebrook-White equation, solved without a grid from Re, the "
        "roughness and the diameter. The results use the grid factor 0,01-0,1; the note says "
        "how far apart the two are"};
    return p;
}

const PistaAyuda &pistaExactoDimensionado() {
    static const PistaAyuda p{
        "Resultados exactos activados: el dimensionado eligió este tamaño con el factor de "
        "Colebrook exacto, y así las dos ventanas dan la misma pérdida",
        "Exact results ticked: the sizing window picked this size with the exact Colebrook "
        "factor, so both windows now show the same drop"};
    return p;
}

const PistaAyuda &pistaTotales() {
    static const PistaAyuda p{
        "DP y DPbar muestran ahora la pérdida de carga en toda la longitud L, en Pa y en bar. "
        "Vuelven a los valores por metro en cuanto cambie un dato",
        "DP and DPbar now show the pressure drop over the whole length L, in Pa and in bar. "
        "They return to the values per metre as soon as an input changes"};
    return p;
}

} // namespace vorlo
