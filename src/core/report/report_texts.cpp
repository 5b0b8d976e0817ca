#include "report_texts.h"

#include "gas/gas_fields.h"
#include "pipeflow/pipe_fields.h"

namespace vorlo::informe {

const TablaCampos &tabla(Ventana v) {
    return v == Ventana::Tuberia ? tuberia::campos() : gas::tabla();
}

namespace palabras {
const TextoBilingue NotaDeCalculo{QStringLiteral("Nota de cálculo"),
                                  QStringLiteral("Calculation note")};
const TextoBilingue Fecha{QStringLiteral("Fecha"), QStringLiteral("Date")};
const TextoBilingue Programa{QStringLiteral("Programa"), QStringLiteral("Program")};
const TextoBilingue Caso{QStringLiteral("Caso"), QStringLiteral("Case")};
const TextoBilingue Fluido{QStringLiteral("Fluido"), QStringLiteral("Fluid")};
const TextoBilingue Viscosidad{QStringLiteral("Viscosidad"), QStringLiteral("Viscosity")};
const TextoBilingue Modo{QStringLiteral("Modo"), QStringLiteral("Mode")};
const TextoBilingue Si{QStringLiteral("Sí"), QStringLiteral("Yes")};
const TextoBilingue No{QStringLiteral("No"), QStringLiteral("No")};
const TextoBilingue SinSeleccionar{QStringLiteral("sin seleccionar"),
                                   QStringLiteral("not selected")};
const TextoBilingue Magnitud{QStringLiteral("Magnitud"), QStringLiteral("Quantity")};
const TextoBilingue Valor{QStringLiteral("Valor"), QStringLiteral("Value")};
const TextoBilingue Unidad{QStringLiteral("Unidad"), QStringLiteral("Unit")};
const TextoBilingue Campo{QStringLiteral("Campo"), QStringLiteral("Field")};
const TextoBilingue Accesorios{QStringLiteral("Accesorios"), QStringLiteral("Fittings")};
const TextoBilingue Accesorio{QStringLiteral("Accesorio"), QStringLiteral("Fitting")};
const TextoBilingue Uds{QStringLiteral("Uds"), QStringLiteral("Uds")};
const TextoBilingue UdsPorK{QStringLiteral("Uds × K"), QStringLiteral("Uds × K")};
const TextoBilingue Diametro{QStringLiteral("Diámetro"), QStringLiteral("Diameter")};
const TextoBilingue DiametroNominal{QStringLiteral("Diámetro nominal de los K"),
                                    QStringLiteral("Nominal diameter of the K values")};
const TextoBilingue MetodoDeLosK{QStringLiteral("Método de los K"), QStringLiteral("K method")};
const TextoBilingue FormulaK{QStringLiteral("Cálculo de los K"), QStringLiteral("K calculation")};
const TextoBilingue KTotal{QStringLiteral("K total"), QStringLiteral("K total")};
const TextoBilingue Avisos{QStringLiteral("Avisos"), QStringLiteral("Warnings")};
const TextoBilingue Notas{QStringLiteral("Notas"), QStringLiteral("Notes")};
const TextoBilingue Pagina{QStringLiteral("Página %1 de %2"), QStringLiteral("Page %1 of %2")};
const TextoBilingue ValoresComoVentana{
    QStringLiteral("Los valores son los textos que muestra la ventana, con sus mismas cifras "
                   "(coma decimal, punto de miles)."),
    QStringLiteral("Values are the texts the window shows, with the same digits (decimal comma, "
                   "point between thousands).")};
const TextoBilingue Calculados{
    QStringLiteral("Las filas sombreadas son campos que el programa calcula."),
    QStringLiteral("Shaded rows are fields the program computes.")};
const TextoBilingue TramoCompleto{
    QStringLiteral("Los campos por metro muestran la pérdida en todo el tramo recto (doble clic en "
                   "DPbar): DP en Pa y DPbar en bar."),
    QStringLiteral("The per-metre fields show the drop over the whole straight length (double "
                   "click on DPbar): DP in Pa, DPbar in bar.")};
} // namespace palabras

} // namespace vorlo::informe
