#pragma once

#include "app/pipes_entry.h"
#include "pipes/pipe_sizes.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class QKeyEvent;

namespace Ui {
class FormTuberias;
}

namespace vorlo {

// The standard pipe sizes: pick a standard, a nominal size and one of the schedules that size
// has; the window shows its outside diameter, wall and inside diameter and hands the inside
// diameter and the designation to whoever opened it. Discarded when it closes; it opens again
// on the last pipe accepted.
class FormTuberias : public QWidget {
    Q_OBJECT
  public:
    explicit FormTuberias(QWidget *parent = nullptr);
    ~FormTuberias() override;

    // Who receives the accepted pipe; replaces an earlier receiver.
    void fijarAlAceptar(AlElegirTuberia alAceptar);
    // The pipe the window shows, or nullptr when no schedule is selected.
    const TuberiaNormalizada *tuberiaElegida() const;

    void Norma_Click();     // lists the sizes of the standard, keeping the DN where it can
    void Nominal_Click();   // lists the schedules of the size, keeping the schedule where it can
    void Cedula_Click();    // shows the dimensions of the selected pipe
    void Cedula_DblClick(); // the same as Aceptar
    void Aceptar_Click();   // hands the pipe over and closes
    void Cancelar_Click();  // closes, handing nothing

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;

  private:
    // Type-ahead over the nominal sizes, in the closed list or in its open drop-down; returns
    // whether the key was taken.
    bool buscarTecleado(const QKeyEvent *ev, bool enDesplegable);
    // Selects a pipe in the three lists; false when the catalogue has no such row.
    bool elegir(NormaTuberia norma, int dn, const QString &cedula);
    NormaTuberia normaActual() const;
    // The row of the schedule list holding `cedula`, or -1.
    int filaDeCedula(const QString &cedula) const;

    std::unique_ptr<Ui::FormTuberias> ui;
    AlElegirTuberia m_alAceptar;
    bool m_ingles = false;
    // What was typed into the nominal sizes within the keyboard search interval.
    QString m_tecleado;
    QElapsedTimer m_ultimaTecla;
};

} // namespace vorlo
