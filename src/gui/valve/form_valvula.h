#pragma once

#include "app/ventana_tabla.h"

class QLabel;
class QPushButton;

namespace vorlo {

struct EntregaValvula;

// The control valve window: Kv and Cv by IEC 60534-2-1 for a liquid or a gas, live as the user
// types. The style list fills FL, xT and Fd; "Water and steam…" fills the liquid's properties
// from IAPWS-IF97 at T1 and P1.
class FormValvula : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormValvula(QWidget *parent = nullptr);

    void cargarParte(const caso::Ventana &v) override;
    void recibir(const EntregaValvula &e);

  protected:
    void calcular() override;

  private:
    void mostrarFluido();
    void aplicarEstilo();
    void llenarAgua();

    QPushButton *m_agua = nullptr;
    QLabel *m_notaAgua = nullptr;
    QString m_estilo;        // the style last applied
    bool m_cargando = false; // a case's factors are kept, not replaced by its style's
};

} // namespace vorlo
