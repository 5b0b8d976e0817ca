#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// Entry points through which a window opens or feeds another without knowing its class. Each
// is implemented in the folder of the window it opens.
namespace vorlo {

// app/: the two calculators.
void abrirForm2();        // gas/
void abrirFormReynolds(); // pipeflow/

// gas/: writes a field of the gas window, loading it without showing it if needed.
void escribirEnForm2(const QString &campo, const QString &texto);

// fittings/: shows the fittings window and hands it the pipe's internal diameter text.
void abrirAccesorios(const QString &diametro);

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
