#pragma once

#include "app/ventana_tabla.h"
#include "gaspipe/gas_pipe_window.h"

class QPushButton;
class QTableWidget;

namespace vorlo {

// The gas pipeline window: one equation solved for the standard flow or for P2, live, with the
// velocity limits at both ends, and every equation side by side in a table for the same data.
class FormGasoducto : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormGasoducto(QWidget *parent = nullptr);

  protected:
    void calcular() override;

  private:
    void construirTabla();
    void mostrarModo();
    void llenarTabla(const gasoducto::Salidas &s);

    QTableWidget *m_tabla = nullptr;
    QPushButton *m_tuberias = nullptr;
};

} // namespace vorlo
