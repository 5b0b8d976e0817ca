#pragma once

#include <QString>
#include <optional>

class QAbstractButton;
class QWidget;

namespace vorlo::resultados {
struct Resultados;
}
namespace vorlo::informe {
struct DatosAccesorios;
struct OrigenAgua;
} // namespace vorlo::informe

// Entry points through which a window opens or feeds another without knowing its class. Each
// is implemented in the folder of the window it opens.
namespace vorlo {

// app/: the two calculators.
void abrirForm2();        // gas/
void abrirFormReynolds(); // pipeflow/

// pipeflow/: values handed to the pipe flow window. Each write changes its field as typing
// does, so the same change events and passes follow. The window is loaded without being shown
// if it does not exist, unless said otherwise.
void entregarRugosidad(const QString &rugosidad);                         // material catalogue
void entregarLiquido(const QString &densidad, const QString &viscosidad); // liquid catalogue
void entregarViscosidadDinamica(const QString &viscosidad);               // gas viscosities
// The liquid catalogue's OK: the dynamic viscosity option, as a user's click sets it.
void elegirViscosidadDinamica();
// A fluid's density and dynamic viscosity (the water and steam window): the pipe flow window is
// shown in the mode it is in, with the dynamic viscosity option chosen as a user's click does
// before the two are written.
void entregarFluido(const QString &densidad, const QString &viscosidadDinamica);
// The water and steam window's "Use in the calculation": its density and dynamic viscosity as
// entregarFluido hands them over, with the state's temperature and pressure recorded for the
// pipe window's note.
void entregarAguaVapor(const informe::OrigenAgua &origen);
// The state the last such hand-over came from, while the pipe window it went to exists (the
// note checks that the two fields still hold its texts); nullopt otherwise.
std::optional<informe::OrigenAgua> origenAguaTuberia();
// The fittings' K total; only into an open pipe flow window that shows its K total field.
void entregarKTotal(const QString &ktotal);
// The gas window's actual flow and density: the pipe flow window is shown in gases mode, with
// its viscosity, velocity, Reynolds number and roughness emptied.
void entregarFlujoGas(const QString &caudal, const QString &densidad);
// A standard pipe picked in the line sizing window: its inside diameter as the fields show it
// ("102,26", mm) into dint, as typed, then its designation (`4" Sch 40`) beside it, as the pipe
// sizes window hands them over. The pipe flow window is shown, created if needed.
void entregarTuberiaDimensionada(const QString &diametroInterior, const QString &designacion);
// The options and fields a results file holds, read from the open pipe flow window; nullopt
// when no pipe flow window is open.
std::optional<resultados::Resultados> estadoTuberia();
// A results file's options and fields into the pipe flow window (shown), which recalculates.
void abrirEnTuberia(const resultados::Resultados &r);

// gas/: a text of the gas window (its process pressure, its temperature), from the window or,
// once it is closed, from the case; nullopt when there is neither.
std::optional<QString> textoProcesoGas(const QString &campo);
// gas/: the reference conditions of a picked liquid into the gas window, loading it without
// showing it if needed; each write recalculates like any change.
void entregarReferenciaGas(const QString &densidad, const QString &compresibilidad,
                           const QString &presion, const QString &temperatura);

// fittings/: shows the fittings window and hands it the pipe's internal diameter text, and the
// pipe window's Reynolds number as actualizarReynoldsAccesorios does.
void abrirAccesorios(const QString &diametro);
// The pipe window's Reynolds number text, handed to the fittings window if it exists (shown or
// not). Under 2-K and 3-K a new value recomputes the K and the K total, the counts kept; the
// total goes on to the pipe window only while that window holds the total handed to it before.
void actualizarReynoldsAccesorios(const QString &re);
// The open fittings window's diameter, rows, total and message, for the pipe window's report;
// nullopt when it is not open.
std::optional<informe::DatosAccesorios> accesoriosAbiertos();

// catalogues/: the liquid, gas-viscosity and pipe-material catalogues.
void abrirLiquidos(); // also hides the catalogue's reference-condition labels
void abrirViscosidadGases();
void abrirMateriales();

// results/: save and open a results file of the pipe flow window.
void abrirGuardar();
void abrirArchivo();

// units/: makes `boton` a unit button for `campo` (a QLineEdit, or a QLabel in view mode):
// a click opens the converter for quantity kind `magnitud`; in edit mode the accepted value
// comes back into the field when the button gets the focus again.
enum class ModoConversor { Edicion, EdicionTemperatura, Vista };
void conectarBotonUnidad(QAbstractButton *boton, QWidget *campo, const QString &magnitud,
                         ModoConversor modo);

} // namespace vorlo
