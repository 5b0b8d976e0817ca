#pragma once

#include "app/texts.h"

#include "cases/case_file.h"
#include "cases/pipe_case.h"
#include "fields/field_texts.h"
#include "pipeflow/pipe_controller.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QAbstractButton;
class QRadioButton;
class QTimer;

namespace Ui {
class FormReynolds;
}

namespace vorlo {

class FiltroTeclas;
struct EstadoMoody;
namespace resultados {
struct Resultados;
}

// The pipe flow window: holds the fields of the pipe flow calculation and recalculates them
// live. Other windows write into it through the CamposTexto interface (a write that changes an
// input's text runs the calculation at once, as typing does); a case's part goes in through
// caso::DestinoTuberia, as into the window's emulation.
class FormReynolds : public QMainWindow, public caso::DestinoTuberia {
    Q_OBJECT
  public:
    explicit FormReynolds(QWidget *parent = nullptr);
    ~FormReynolds() override;

    // CamposTexto over the window's text boxes and result labels.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override;
    void escribirColor(const QString &campo, ColorNota color) override;

    // caso::DestinoTuberia: the pairs through aplicarModo and aplicarViscosidad.
    void fijarModo(bool liquidos, bool gases) override;
    void fijarViscosidad(bool dinamica, bool cinematica) override;
    void fijarExacto(bool exacto) override;
    void calcular() override { CalcularTuberia(); }

    // One pass of the calculation, nested when a write changes a field.
    void CalcularTuberia();

    // The options as a user's click sets them (with their show/hide and emptying).
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    // Only the show/hide effects of the mode and viscosity choice, without emptying any field
    // (used when a saved calculation is opened).
    void aplicarModo(bool liquidos);
    void aplicarViscosidad(bool dinamica);
    // A results file's options and fields, in file order, then a pass.
    void abrirResultados(const resultados::Resultados &r);
    // A case's part for this window: the window cleared, the options set as saved (without the
    // emptying a click does), every input as saved (a missing one empty), then a pass.
    void cargarCaso(const caso::Ventana &v);
    // The fittings' K total, taken only while the K total field is shown.
    void recibirKTotal(const QString &ktotal);

    // The flags: the window's texts in that language, which becomes the program's.
    void Picture1_Click() { cambiarLengua(Lengua::Ingles); }
    void Spain_Click() { cambiarLengua(Lengua::Espanol); }
    void Borrar(); // Command18 and Borrar_Pantalla
    void DPbar_DblClick();
    // The exact mode on or off, as a click on CheckExacto sets it; remembered between runs.
    void CheckExacto_Click();
    void Command3_Click();
    void Command4_Click();
    void Command7_Click();
    void CommandLineaGas_Click();    // the gas line window, started from this window's values
    void CommandTuberia_Click();     // standard pipe sizes; the pick fills dint and names the pipe
    void CommandDimensionar_Click(); // line sizing from this window's flow and fluid

    // The title: the calculation's, then the case's file when one is open.
    void actualizarTitulo();

    // The texts and options as they stood after the last pass, for the timer's change test.
    bool entradasCambiadas() const;

    // A size from the sizing window: its inside diameter and designation, with the exact
    // results ticked (the size was picked with them) and the help line saying so.
    void tomarTuberiaDimensionada(const QString &diametroInterior, const QString &designacion);

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void changeEvent(QEvent *ev) override;

  private:
    void cambiarLengua(Lengua lengua);
    void conectarEventos();
    void alPerderFoco(QObject *obj);
    void alPasarRaton(QObject *obj);
    bool esSuperficie(const QObject *obj) const;
    void restablecerColores();
    void calcularSiCambio();
    void Timer1_Timer();
    void despertarTimer();
    void mostrarUnidadesTotales(bool totales);
    // The help line's hint, in the current language; a flag click puts it into the new one.
    void mostrarPista(const TextoBilingue &pista);

    // The help line: the inputs' warning while there is one (red), else the hint.
    void actualizarAyuda();
    void avisarEntradas();
    EstadoMoody estadoMoody() const;
    void aplicarPar(QRadioButton *primera, QRadioButton *segunda, bool a, bool b,
                    void (FormReynolds::*efecto)(bool));
    // Two fields' values multiplied, in the plain form; empty unless both are numbers.
    QString productoDeTextos(const QString &a, const QString &b) const;
    QLineEdit *campo(const QString &nombre) const;
    QLabel *etiqueta(const QString &nombre) const;

    std::unique_ptr<Ui::FormReynolds> ui;
    QTimer *m_timer1 = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    QHash<QString, QLineEdit *> m_campos;
    QHash<QString, QLabel *> m_etiquetas;
    QHash<QString, QAbstractButton *> m_opciones;
    // The exact mode's unrounded results, each kept while its field shows its text.
    tuberia::Controlador m_control;
    bool m_liquidos = true;
    // DP and DPbar hold the totals over the length (a double click on DPbar), in Pa and bar.
    bool m_totales = false;
    bool m_escribiendoTotales = false;
    bool m_totalesEscritos = false;
    const TextoBilingue *m_pista = nullptr; // the help line's hint, one of the window's own
    std::optional<TextoBilingue> m_aviso;   // what is wrong with the inputs, after the last pass
};

} // namespace vorlo
