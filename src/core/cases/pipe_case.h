#pragma once

#include "cases/case_file.h"
#include "fields/field_texts.h"

// A case's part for the pipe flow window put into that window, or into its emulation without a
// window: one order of steps for both, so that `vorlo calc` shows what File > Open shows.
namespace vorlo::caso {

// What the pipe part is put into: the pipe flow window and its emulation implement it. A write
// through CamposTexto raises the field's change event, as typing does.
class DestinoTuberia : public CamposTexto {
  public:
    // A pair of options as saved, with the show/hide that follows but none of the emptying a
    // click does; neither selected when neither was saved, the first when both were.
    virtual void fijarModo(bool liquidos, bool gases) = 0;
    virtual void fijarViscosidad(bool dinamica, bool cinematica) = 0;
    // CheckExacto as saved; unrounded values kept by the other mode are forgotten.
    virtual void fijarExacto(bool exacto) = 0;
    // One pass of the calculation.
    virtual void calcular() = 0;
};

// The window's clear, the options as saved (a missing one unset), every input of the pipe's
// schema as saved (a missing one empty) in the window's order, the pipe's designation last
// (a change of the diameter clears it), then a pass.
void cargarTuberia(DestinoTuberia &destino, const Ventana &parte);

} // namespace vorlo::caso
