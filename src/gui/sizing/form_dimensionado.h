#pragma once

#include "app/sizing_entry.h"
#include "app/ventana_tabla.h"
#include "fields/field_texts.h"
#include "fields/language.h"
#include "sizing/sizing.h"
#include "sizing/sizing_fields.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vorlo {

// The line sizing window: for a flow and a fluid, every size of one standard and schedule with
// its velocity, Re, f and drop per 100 m, live as the inputs change; the smallest size within
// the limits is picked, and that size or any double-clicked row goes to the pipe flow window.
// Its inputs, the standard, the schedule and the pick line are reachable by name through
// CamposTexto.
class FormDimensionado : public VentanaTabla {
    Q_OBJECT
  public:
    // Names of the controls beyond the field table's inputs.
    static inline const QString NormaDim = dimensionado::NormaDim;
    static inline const QString CedulaDim = dimensionado::CedulaDim;
    static inline const QString TablaDim = QStringLiteral("TablaDim");
    static inline const QString EleccionDim = QStringLiteral("EleccionDim");
    static inline const QString UsarDim = QStringLiteral("UsarDim");
    // A service whose typical limits fill the criteria (they stay editable).
    static inline const QString ServicioDim = QStringLiteral("ServicioDim");

    explicit FormDimensionado(QWidget *parent = nullptr);
    ~FormDimensionado() override;

    // The inputs' texts; NormaDim the standard's name ("ASME B36.19M"), CedulaDim the schedule
    // as the catalogue writes it ("40S"), EleccionDim the pick line. Writing a name or schedule
    // the lists lack changes nothing.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    void escribirColor(const QString &campo, ColorNota color) override;

    // The inputs, the standard first (it sets the schedules the schedule is chosen from).
    void cargarParte(const caso::Ventana &v) override;

    // Fills the fields from the texts given (the empty ones are left alone), then recalculates
    // once.
    void tomarDatos(const DatosDimensionado &datos);

    // The table and the pick line from the inputs.
    void Calcular() { recalcular(); }
    // What the last calculation gave.
    const Dimensionado &resultado() const { return m_resultado; }

    void UsarDim_Click();             // the pick to the pipe flow window
    void TablaDim_DblClick(int fila); // that row's size to the pipe flow window

  protected:
    void calcular() override;
    void alCambiarIdioma(Lengua lengua) override;

  private:
    void construirTuberia();
    void construirTabla();
    void construirEleccion();
    void conectarEventos();
    void llenarNormas();
    void NormaDim_Click(); // the schedules of the new standard, keeping the wall where it can
    NormaTuberia normaActual() const;
    QString cedulaActual() const;
    void llenarTabla();
    void pintarFila(int fila, const FilaDimensionado &f, const QStringList &celdas);
    void escribirEleccion();
    void construirServicios(QGridLayout *rejilla);
    void ServicioDim_Click(); // the service's limits into the criteria
    void entregar(const TuberiaNormalizada &t);

    QComboBox *m_norma = nullptr;
    QComboBox *m_cedula = nullptr;
    QTableWidget *m_tabla = nullptr;
    QLabel *m_eleccion = nullptr;
    QPushButton *m_usar = nullptr;
    QComboBox *m_servicio = nullptr;
    Dimensionado m_resultado;
};

} // namespace vorlo
