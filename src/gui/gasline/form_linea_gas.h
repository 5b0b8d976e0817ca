#pragma once

#include "app/gasline_entry.h"
#include "cases/case_file.h"
#include "gasline/gas_line_window.h"

#include <QHash>
#include <QWidget>

class QPushButton;

class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorlo {

class FiltroTeclas;

// The gas line window: isothermal flow over a whole line, solving for the outlet pressure or the
// flow, live. Every change of an input's text recalculates from the inputs' values; the results
// it writes are never read back.
class FormLineaGas : public QWidget {
    Q_OBJECT
  public:
    explicit FormLineaGas(QWidget *parent = nullptr);
    ~FormLineaGas() override;

    // The pipe window's offer: with no inputs of the window's own, fills the fields from the
    // texts given (the empty ones are left alone) and recalculates once, a mass flow making the
    // window solve for P2; otherwise only kept for TomarTuberiaLinea.
    void tomarDatos(const DatosLineaGas &datos);
    // The pipe window's last offer put in, whatever the window holds (TomarTuberiaLinea).
    void TomarTuberiaLinea_Click();

    // One calculation from the inputs' texts.
    void Calcular();

    // The options and the inputs of the mode, as a case keeps them; and such a state put back
    // (a missing input empty), then one calculation.
    caso::Ventana estadoCaso() const;
    void cargarCaso(const caso::Ventana &v);

    bool calcularP2() const;
    bool friccionDada() const;
    // The Colebrook root the calculation uses (the exact one unless replaced, for tests).
    void fijarColebrook(lineagas::FuncionColebrook colebrook);

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;

  private:
    void construir();
    QGridLayout *nuevaSeccion(const QString &encabezado, const QString &marco);
    QLineEdit *nuevaFila(QGridLayout *rejilla, const QString &campo);
    void conectarEventos();
    void alCambiarModo();
    void alPasarRaton(QObject *obj);
    bool esSuperficie(const QObject *obj) const;
    void restablecerColores();
    void mostrarPista(const QString &espanol, const QString &ingles);
    void escribir(const QString &campo, const std::optional<double> &valor);
    lineagas::Entradas leerEntradas() const;
    QLineEdit *campo(const QString &nombre) const { return m_campos.value(nombre); }

    QHash<QString, QLineEdit *> m_campos;
    QList<QFrame *> m_marcos;
    QList<const QObject *> m_superficies; // the section frames: the window's free surface
    QList<QGridLayout *> m_rejillas;
    QRadioButton *m_opcionP2 = nullptr;
    QRadioButton *m_opcionMasico = nullptr;
    QCheckBox *m_fijarF = nullptr;
    QLabel *m_nota = nullptr;
    QLabel *m_ayuda = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    lineagas::FuncionColebrook m_colebrook;
    // Set while the window writes its own fields or takes a batch of texts: those changes do
    // not run the calculation.
    bool m_escribiendo = false;
    // What the pipe window offered last: put in when the window had no inputs of its own, else
    // kept for the button.
    DatosLineaGas m_ofrecidos;
    QPushButton *m_tomarTuberia = nullptr;
};

} // namespace vorlo
