#pragma once

#include "fields/field_texts.h"

#include <QString>
#include <QStringList>
#include <functional>

// The pipe flow calculator's behaviour, once, for the window and for its headless emulation
// (`vorlo calc`, the results file, the note of a case): which reaction a changed field
// triggers, the depth guard of nested passes, the exact or defined pass, and the snapshot of
// the inputs that says whether a pass is due. Each adapter maps its own texts and options to a
// CamposTexto and hands its events here.
namespace vorlo::tuberia {

class Controlador {
  public:
    // A field's text changed (the adapter has written it): the pass it triggers, if any, and
    // the K total emptied after a new diameter (the K factors belong to the old one).
    void alCambiar(CamposTexto &ventana, const QString &campo, const QString &texto,
                   const QString &idioma);
    // One pass in the mode the window's CheckExacto says, nested up to kProfundidadMaxima;
    // records the inputs it leaves. False when the guard stopped it.
    bool pasada(CamposTexto &ventana, const QString &idioma);
    // Whether an input changed since the last pass: the idle timer's and the focus' test.
    bool entradasCambiadas(const CamposTexto &ventana) const;
    // The idle timer's passes until the inputs settle (bounded).
    void asentar(CamposTexto &ventana, const QString &idioma);
    // Unrounded values belong to one mode: a switch forgets them.
    void olvidarExactos() { m_exactos.vaciar(); }
    ValoresExactos &exactos() { return m_exactos; }

    // Called after each outermost pass, once the nested ones have settled (the window's help
    // line follows the inputs then).
    void alTerminar(std::function<void()> f) { m_alTerminar = std::move(f); }

    // Passes run now, nested: 0 outside any.
    int profundidad() const { return m_profundidad; }
    // Passes run so far, nested ones included (tests and benchmarks).
    int pasadas() const { return m_pasadas; }

  private:
    ValoresExactos m_exactos;
    QStringList m_ultimoEstado;
    int m_profundidad = 0;
    int m_pasadas = 0;
    std::function<void()> m_alTerminar;
};

// The inputs' state a pass leaves: texts, and the viscosity options as "1"/"0".
QStringList estadoEntradas(const CamposTexto &ventana);

// The idle timer's passes run while the inputs changed since the last pass; this bounds them.
inline constexpr int kTicsMaximos = 64;

} // namespace vorlo::tuberia
