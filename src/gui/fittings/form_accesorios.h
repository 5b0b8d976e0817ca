#pragma once

#include "fittings/fittings_fill.h"
#include "fittings/k_factors.h"
#include "report/report.h"

#include <QWidget>
#include <array>
#include <memory>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace Ui {
class FormAccesorios;
}

namespace vorlo {

class FiltroTeclas;

// The fittings window: counts and K factors of the fittings along a pipe run, the K factors
// filled for the pipe's diameter, and the running K total handed to the pipe flow window.
class FormAccesorios : public QWidget, public CamposAccesorios {
    Q_OBJECT
  public:
    explicit FormAccesorios(QWidget *parent = nullptr);
    ~FormAccesorios() override;

    // Hands over the pipe's internal diameter; a text different from the current one starts
    // the fill.
    void fijarDiametro(const QString &texto);

    void RellenarK();
    void CalcularKTotal();
    void Diametrillo_Change();
    void Command1_Click();

    // CamposAccesorios over the window's controls.
    QString diametro() const override;
    QString unidades(int fila) const override;
    void escribirUnidades(int fila, const QString &texto) override;
    void habilitarUnidades(int fila, bool habilitado) override;
    QString k(int fila) const override;
    void escribirK(int fila, const QString &texto) override;
    void habilitarK(int fila, bool habilitado) override;
    void escribirMensaje(const QString &texto) override;
    QString ktotal() const override;
    void escribirKtotal(const QString &texto) override;
    void escribirTextboxKtotal(const QString &texto) override;
    void escribirKtotalTuberia(const QString &texto) override;

    // What a report lists of this window: diameter, rows, totals and message, as shown.
    informe::DatosAccesorios datosInforme() const;

  private:
    void construirFilas(QGridLayout *rejilla, int desde, int hasta);
    void aplicarEstilo();
    void ordenarYNombrar();

    std::unique_ptr<Ui::FormAccesorios> ui;
    FiltroTeclas *m_filtroK = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    std::array<QLineEdit *, accesorios::kFilas> m_unidades{};
    std::array<QLabel *, accesorios::kFilas> m_titulos{};
    std::array<QLineEdit *, accesorios::kFilas> m_k{};
};

} // namespace vorlo
