#pragma once

#include "report/report.h"

#include <QString>
#include <optional>

// What the pipe window's note takes from the other windows: the picked pipe's standard, the
// water and steam state its fluid came from, the other calculators' results computed again
// from their inputs, and the fittings window as a case holds it.
namespace vorlo::informe {

// Whether DP and DPbar hold the drop over the whole length (a double click on DPbar), in Pa and
// bar, rather than per metre.
bool tramoCompleto(const CamposTexto &campos);

// A fitting row's title (0-22) in a language.
QString tituloAccesorio(int fila, Lengua lengua);

// "Pipe: 4" Sch 40 (ASME B36.10M)" for the designation the pipe window shows beside its
// diameter, with the standard of the catalogue row of that designation and inside diameter;
// empty without a designation.
QString lineaTuberia(const CamposTexto &campos, Lengua lengua);

// The water and steam state the pipe window's fluid comes from: the one recorded at the hand-over
// while the density and dynamic viscosity still hold its texts; else the water window's state in
// the context when its texts are the pipe's (a case opened on the command line keeps no record).
std::optional<OrigenAgua> origenVigente(const CamposTexto &campos, const Contexto &contexto);

// "Fluid: water and steam at 20 ºC and 5 bar a (IAPWS-IF97), liquid".
QString lineaFluidoAgua(const OrigenAgua &origen, Lengua lengua);

// The other windows of the context (water and steam, gas, gas line), each with its results
// computed again from its inputs, and their warnings. The water state is the fluid's when it
// came from there.
void anadirAnexos(Informe &inf, const Contexto &contexto, const std::optional<OrigenAgua> &agua);

// The fittings window as the case's part puts it back beside a pipe of that diameter and
// Reynolds number: the K its method gives, a K the case holds in its place kept, the counts, and
// the K total. nullopt when no count is above 0.
std::optional<DatosAccesorios> accesoriosDeCaso(const caso::Ventana &parte, const QString &dint,
                                                const QString &reynolds);

// Whether a case's part is another window's, which the note adds after the pipe's own results
// (every part but the pipe's, the fittings' and the note's header).
bool esAnexo(const QString &clave);

// What a case holds for the pipe window's note beyond the pipe's own part: its header, the
// fittings beside that pipe window's diameter and Reynolds number, and the water and steam, gas
// and gas line windows' inputs.
Contexto contextoDeCaso(const caso::Caso &c, const CamposTexto &tuberia);

} // namespace vorlo::informe
