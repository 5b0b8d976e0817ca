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
const TextoBilingue ValoresIngenieria{
    QStringLiteral("Números con %1 cifras significativas (presentación de ingeniería): coma "
                   "decimal y punto entre millares. El CSV conserva los textos de la ventana."),
    QStringLiteral("Numbers with %1 significant digits (engineering presentation): decimal "
                   "point, comma between thousands. The CSV keeps the window's texts.")};
const TextoBilingue ValoresComoVentana{
    QStringLiteral("Los valores son los que muestra la ventana, con sus mismas cifras (coma "
                   "decimal, punto de miles), y un cero delante de la coma."),
    QStringLiteral("Values are those the window shows, with the same digits (decimal comma, "
                   "point between thousands), and a zero before the comma.")};
const TextoBilingue Calculados{
    QStringLiteral("Las filas sombreadas son campos que el programa calcula."),
    QStringLiteral("Shaded rows are fields the program computes.")};
const TextoBilingue TramoCompleto{
    QStringLiteral("Los campos por metro muestran la pérdida en todo el tramo recto (doble clic en "
                   "DPbar): DP en Pa y DPbar en bar."),
    QStringLiteral("The per-metre fields show the drop over the whole straight length (double "
                   "click on DPbar): DP in Pa, DPbar in bar.")};
const TextoBilingue Tuberia{QStringLiteral("Tubería"), QStringLiteral("Pipe")};
const TextoBilingue FluidoAgua{
    QStringLiteral("agua y vapor a %1 ºC y %2 bar a (IAPWS-IF97), %3"),
    QStringLiteral("water and steam at %1 ºC and %2 bar a (IAPWS-IF97), %3")};
const TextoBilingue Metodo{QStringLiteral("Método de cálculo"),
                           QStringLiteral("Calculation method")};
const TextoBilingue MetodoNota{
    QStringLiteral(
        "Cada resultado, con los números del caso sustituidos: D, ε en mm salvo donde se "
        "indica, Q en m3/h, ρ en kg/m3, µ en Pa·s, ν en m2/s, L y Δz en m."),
    QStringLiteral("Each result with the case's numbers substituted: D and ε in mm unless stated, "
                   "Q in m3/h, ρ in kg/m3, µ in Pa·s, ν in m2/s, L and Δz in m.")};
const TextoBilingue Dado{QStringLiteral("dato, no calculado"),
                         QStringLiteral("given, not computed")};
const TextoBilingue DiagramaMoody{QStringLiteral("Diagrama de Moody"),
                                  QStringLiteral("Moody chart")};
const TextoBilingue DiagramaMoodyNota{
    QStringLiteral("El punto de funcionamiento (Re, f) sobre las curvas de Colebrook, como lo "
                   "muestra la ventana del diagrama."),
    QStringLiteral("The operating point (Re, f) on the Colebrook curves, as the chart window "
                   "shows it.")};
const TextoBilingue LineaPagina{QStringLiteral("Línea %1"), QStringLiteral("Line %1")};
const TextoBilingue RevisionPagina{QStringLiteral("Rev. %1"), QStringLiteral("Rev. %1")};
const TextoBilingue Firma{QStringLiteral("Firma"), QStringLiteral("Signature")};
} // namespace palabras

} // namespace vorlo::informe
