#pragma once

#include "fields/language.h"
#include "fittings/fittings_fill.h"
#include "fittings/k_factors.h"
#include "fittings/k_metodos.h"
#include "report/report.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace Ui {
class FormAccesorios;
}

namespace vorlo {

class FiltroTeclas;

// The fittings window: counts and K factors of the fittings along a pipe run, the K factors
// filled for the pipe's diameter by the chosen method (the table, Crane, 2-K or 3-K; the last two
// follow the pipe window's Reynolds number), and the running K total handed to the pipe flow
// window.
class FormAccesorios : public QWidget, public CamposAccesorios {
    Q_OBJECT
  public:
    explicit FormAccesorios(QWidget *parent = nullptr);
    ~FormAccesorios() override;

    // Hands over the pipe's internal diameter; a text different from the current one starts
    // the fill.
    void fijarDiametro(const QString &texto);
    // Hands over the pipe window's Reynolds number text. A new value refills the K of rows 0-20
    // under 2-K and 3-K, the counts kept; the other methods only keep it.
    void fijarReynolds(const QString &texto);
    // The pipe window's Reynolds number, as it stands, through fijarReynolds.
    void tomarReynoldsDeTuberia();
    // The pipe window's diameter changed: the window follows it, and says so when that emptied
    // the counts chosen.
    void seguirDiametroTuberia(const QString &texto);
    // Runs `paso` handing the pipe window the K total only if the K total there is empty or this
    // window's: a K total typed there, or a case's, is not overwritten by a fill.
    void sinPisarTotalAjeno(const std::function<void()> &paso);

    void RellenarK();
    void CalcularKTotal();
    void Diametrillo_Change();
    void MetodoK_Click();
    // The method K comes from, and choosing one as the box does.
    MetodoK metodo() const { return m_metodo; }
    void fijarMetodo(MetodoK metodo);
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
    void llenarMetodos();
    void escribirLabelMetodo();
    // Runs `paso` with the K total held back, then runs the total once if a count or K changed
    // meanwhile: a fill of 21 rows hands the pipe window one total, not one per row.
    void enLote(const std::function<void()> &paso);

    std::unique_ptr<Ui::FormAccesorios> ui;
    FiltroTeclas *m_filtroK = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    std::array<QLineEdit *, accesorios::kFilas> m_unidades{};
    std::array<QLabel *, accesorios::kFilas> m_titulos{};
    std::array<QLineEdit *, accesorios::kFilas> m_k{};

    // Texts run in the language of the window's creation, as its captions do.
    Lengua m_lengua = Lengua::Espanol;
    MetodoK m_metodo = MetodoK::Tabla;
    QString m_textoReynolds;
    std::optional<double> m_reynolds;
    bool m_enLote = false;
    bool m_filaRechazada = false; // the message names a row the total refused
    bool m_totalPendiente = false;
    // Cleared while a new Reynolds number refills the K of a pipe window that no longer holds
    // this window's total.
    bool m_entregarTotal = true;
    // The pipe's new diameter emptied the counts chosen, and none was chosen since.
    bool m_listaVaciada = false;
};

} // namespace vorlo
