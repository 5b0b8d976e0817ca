#pragma once

#include "app/ventana_tabla.h"
#include "cases/report_header.h"

namespace vorlo {

// The calculation note's header: project, line or tag, revision, who prepared and who checked
// it, and remarks. Not modal, one at a time; every change goes at once to the header the notes
// and the case take (app/report_details_entry.h), so closing the window loses nothing. Other
// code reaches it through that entry header.
class FormDatosInforme : public VentanaTabla {
    Q_OBJECT
  public:
    explicit FormDatosInforme(QWidget *parent = nullptr);

    // The header as it stands, shown (a case opened, a new case): no change of its own.
    void mostrar(const informe::Cabecera &cabecera);

  protected:
    // Each text, as it changes, goes to the header.
    void calcular() override;
    void alCambiarIdioma(Lengua) override {}

  private:
    // Set while the window shows the header: those texts are no change.
    bool m_mostrando = false;
};

} // namespace vorlo
