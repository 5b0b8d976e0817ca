#pragma once

#include "fields/field_texts.h"
#include "results/results_file.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The pipe flow window reduced to its texts, options and change events, so that a results file
// can be opened and settled without a window, to the very same texts the window would show.
namespace vorlo::resultados {

// A text box keeps at most this many characters of a text written into it.
inline constexpr int kLongitudMaximaCaja = 32767;
// The idle timer's passes run while the inputs changed since the last pass; this bounds them.
inline constexpr int kTicsMaximos = 64;

// A freshly opened pipe flow window: liquids mode, dynamic viscosity, `Desnivel` "0", every other
// text empty, after the pass it runs when it initializes. `idioma` is the language of its notes.
class VentanaTuberiaSimulada : public CamposTexto {
  public:
    // `exacto`: the window's exact mode (CheckExacto ticked).
    explicit VentanaTuberiaSimulada(const QString &idioma, bool exacto = false);

    QString texto(const QString &campo) const override { return m_campos.texto(campo); }
    // A write that changes a text raises the field's change event, as the window's does.
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override { return m_campos.opcion(nombre); }
    void escribirColor(const QString &campo, ColorNota color) override {
        m_campos.escribirColor(campo, color);
    }

    // One pass, nested when its writes change fields; records the inputs it leaves.
    void calcular();
    // What File -> Open does: the options (with neither of a pair selected when neither was
    // saved "True"), the twelve fields in file order, one pass; then the idle timer's passes.
    void abrir(const Resultados &r);

    bool entradasCambiadas() const { return estadoEntradas() != m_ultimoEstado; }
    const QHash<QString, QString> &textos() const { return m_campos.textos(); }
    ColorNota color(const QString &campo) const { return m_campos.color(campo); }
    // Passes run so far (nested ones included), for tests and benchmarks.
    int pasadas() const { return m_pasadas; }

  private:
    QStringList estadoEntradas() const;

    CamposMapa m_campos;
    QString m_idioma;
    ValoresExactos m_valoresExactos;
    QStringList m_ultimoEstado;
    int m_profundidad = 0;
    int m_pasadas = 0;
};

} // namespace vorlo::resultados
