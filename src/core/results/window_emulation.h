#pragma once

#include "cases/pipe_case.h"
#include "fields/field_table.h"
#include "fields/field_texts.h"
#include "pipeflow/pipe_controller.h"
#include "results/results_file.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <variant>

// The pipe flow window reduced to its texts, options and change events, so that a results file
// or a case can be opened and settled without a window, to the very same texts the window would
// show.
namespace vorlo::resultados {

// A text box keeps at most this many characters of a text written into it.
inline constexpr int kLongitudMaximaCaja = 32767;
using tuberia::kTicsMaximos;

// A freshly opened pipe flow window: liquids mode, dynamic viscosity, `Desnivel` "0", every other
// text empty, after the pass it runs when it initializes. `idioma` is the language of its notes.
class VentanaTuberiaSimulada : public caso::DestinoTuberia {
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

    void fijarModo(bool liquidos, bool gases) override;
    void fijarViscosidad(bool dinamica, bool cinematica) override;
    void fijarExacto(bool exacto) override;
    // One pass, nested when its writes change fields; records the inputs it leaves.
    void calcular() override;
    // What File -> Open does: the options (with neither of a pair selected when neither was
    // saved "True"), the twelve fields in file order, one pass; then the idle timer's passes.
    void abrir(const Resultados &r);
    // What File -> Open does with a case's pipe part (caso::cargarTuberia), then the idle
    // timer's passes.
    void abrirCaso(const caso::Ventana &parte);

    bool entradasCambiadas() const { return m_control.entradasCambiadas(*this); }
    const QHash<QString, QString> &textos() const { return m_campos.textos(); }
    ColorNota color(const QString &campo) const { return m_campos.color(campo); }
    // Passes run so far (nested ones included), for tests and benchmarks.
    int pasadas() const { return m_control.pasadas(); }

  private:
    // The 200 ms timer: a pass on each tick while an input changed since the last pass.
    void asentar();

    CamposMapa m_campos;
    QString m_idioma;
    tuberia::Controlador m_control;
};

// Whether the pipe flow window shows a field in its state: the viscosity not chosen and, in
// gases mode, the rows over the length (SoloModoPrincipal) are hidden; an optional row shows
// only with a text.
bool visibleEnVentana(const Campo &campo, const CamposTexto &ventana);

// The mode a file opens in: the one it holds (a results file holds none: the defined mode), or
// the defined or exact mode whatever it holds.
enum class ModoArchivo { Guardado, Definido, Exacto };

// Opens a file as File > Open does, in a pipe flow window made of texts: a case (.vorlo, by its
// extension) or a results file, in the mode `modo` chooses. A case without a pipe part leaves
// the window as freshly opened. On failure, the reason, with the path.
std::variant<std::unique_ptr<VentanaTuberiaSimulada>, ErrorArchivo>
abrirArchivo(const QString &ruta, const QString &idioma, ModoArchivo modo = ModoArchivo::Guardado);

} // namespace vorlo::resultados
