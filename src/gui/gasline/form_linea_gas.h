#pragma once

#include "app/gasline_entry.h"
#include "app/ventana_tabla.h"
#include "cases/case_file.h"
#include "gasline/gas_line_window.h"

class QLabel;
class QPushButton;

namespace vorlo {

// The gas line window: isothermal flow over a whole line, solving for the outlet pressure or the
// flow, live. Every change of an input's text recalculates from the inputs' values; the results
// it writes are never read back. The options make the flow or P2, and f, inputs or results.
class FormLineaGas : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormLineaGas(QWidget *parent = nullptr);
    ~FormLineaGas() override;

    // The pipe window's offer: with no inputs of the window's own, fills the fields from the
    // texts given (the empty ones are left alone) and recalculates once, a mass flow making the
    // window solve for P2; otherwise only kept for TomarTuberiaLinea.
    void tomarDatos(const DatosLineaGas &datos);
    // The pipe window's last offer put in, whatever the window holds (TomarTuberiaLinea).
    void TomarTuberiaLinea_Click();

    // One calculation from the inputs' texts.
    void Calcular() { recalcular(); }

    // The options and the inputs of the mode, as a case keeps them; and such a state put back
    // (a missing input empty, a missing γ the window's), then one calculation.
    caso::Ventana parteCaso() const override;
    void cargarParte(const caso::Ventana &v) override;

    bool calcularP2() const;
    bool friccionDada() const;
    // The Colebrook root the calculation uses (the exact one unless replaced, for tests).
    void fijarColebrook(lineagas::FuncionColebrook colebrook);

  protected:
    void calcular() override;
    QStringList necesariosDe(const QString &campo) const override;
    void alPasarSobre(const QString &campo) override;

  private:
    void mostrarModo();
    void escribirResultado(const QString &campo, const std::optional<double> &valor);
    void mostrarPista(const TextoBilingue &pista);
    lineagas::Entradas leerEntradas() const;

    QLabel *m_nota = nullptr;
    QLabel *m_ayuda = nullptr;
    QPushButton *m_tomarTuberia = nullptr;
    lineagas::FuncionColebrook m_colebrook;
    // What the pipe window offered last: put in when the window had no inputs of its own, else
    // kept for the button.
    DatosLineaGas m_ofrecidos;
};

} // namespace vorlo
