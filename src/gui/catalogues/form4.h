#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form4;
}

namespace vorlo {

// The liquid catalogue: water at fourteen temperatures. Hands the density and the dynamic
// viscosity to the pipe flow window (and the density to the gas window) and is discarded.
class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

    void List1_Click();    // shows the row's values and enables Aceptar
    void List1_DblClick(); // hands them over and closes
    void Command1_Click(); // Aceptar: the same, and dynamic viscosity in the pipe window
    void Cancelar_Click(); // closes without handing anything over

  private:
    void copiar();

    std::unique_ptr<Ui::Form4> ui;
};

} // namespace vorlo
