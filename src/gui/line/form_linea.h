#pragma once

#include "app/line_entry.h"
#include "app/ventana_tabla.h"
#include "line/line.h"
#include "line/line_input.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace vorlo {

class GraficoLinea;
class TablaTramos;

// The line and pump window: a line of segments in series with or without a pump, live as it is
// typed: the pressure at the end, the flow between two pressures, or the pump's head, NPSH and
// power, with the system curve (and the pump's, and where they meet) drawn below.
class FormLinea : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormLinea(QWidget *parent = nullptr);

    // The pipe window's fluid and a first segment, into a window that has no segment yet.
    void tomarDatos(const DatosLinea &d);
    void cargarParte(const caso::Ventana &v) override;
    // The segments' inputs replaced, as if typed.
    void fijarTramos(const QList<linea::CeldasTramo> &celdas);

    // The last calculation's result, for tests and benchmarks.
    const linea::Resultado &resultado() const { return m_resultado; }
    TablaTramos *tablaTramos() const { return m_tramos; }
    GraficoLinea *grafico() const { return m_grafico; }
    QComboBox *comboBomba() const { return m_bomba; }

    // The water window's state (density, viscosity and vapour pressure at its temperature) into
    // the fluid; opens the water window when it holds no state.
    void tomarAgua();
    // The pipe sizes window, whose pick goes into the current segment's diameter.
    void elegirTuberia();

  protected:
    void calcular() override;
    void alCambiarIdioma(Lengua lengua) override;

  private:
    void construirInferior();
    void tramosEditados();
    void actualizarCombo();
    void mostrarError(const TextoBilingue &mensaje);
    void mostrarResultado(const linea::Datos &d);

    TablaTramos *m_tramos = nullptr;
    QComboBox *m_bomba = nullptr;
    GraficoLinea *m_grafico = nullptr;
    linea::Resultado m_resultado;
};

} // namespace vorlo
