#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Viscosidad;
}

namespace vorlo {

// The gas viscosity catalogue: natural gas, air and steam. Hands the dynamic viscosity to the
// pipe flow window and is discarded. It has Spanish texts only.
class Viscosidad : public QWidget {
    Q_OBJECT
  public:
    explicit Viscosidad(QWidget *parent = nullptr);
    ~Viscosidad() override;

    void List1_Click();    // shows the row's viscosity and enables Aceptar
    void List1_DblClick(); // hands it over and closes
    void Command1_Click(); // Aceptar: the same
    void Cancelar_Click(); // closes without handing anything over

  private:
    std::unique_ptr<Ui::Viscosidad> ui;
};

} // namespace vorlo
