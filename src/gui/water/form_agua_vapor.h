#pragma once

#include "app/ventana_tabla.h"
#include "water/water_state.h"

#include <optional>

class QPushButton;

namespace vorlo {

// The water and steam window: the IAPWS-IF97 state at a temperature and an absolute pressure,
// live as the two are typed, and a button that hands its density and dynamic viscosity to the
// pipe flow window. Other code reaches it through app/water_entry.h.
class FormAguaVapor : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormAguaVapor(QWidget *parent = nullptr);

    // The state from the inputs' texts, shown.
    void Calcular() { recalcular(); }
    // The shown density and dynamic viscosity into the pipe flow window.
    void UsarAgua_Click();

  protected:
    void calcular() override;
    void alCambiarIdioma(Lengua lengua) override;

  private:
    void mostrar(Lengua lengua);
    void mostrarEstado(const agua::EstadoAgua &estado, Lengua lengua);

    QPushButton *m_usar = nullptr;
    // The last calculation; none while an input is empty or unreadable. The language switch
    // writes its texts again from it.
    std::optional<agua::ResultadoAgua> m_resultado;
};

} // namespace vorlo
