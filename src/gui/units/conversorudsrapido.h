#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QTimer;

namespace Ui {
class conversorudsrapido;
}

namespace vorlo {

class FiltroTeclas;

// The unit converter: one number shown in every unit of the quantity kind in
// MagnitudConversor. Owned by the calling window, above it and not modal; discarded on close.
// In edit mode the accept button hands the base-unit row back through ValorConvertido; in view
// mode nothing can be changed or handed back.
class conversorudsrapido : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kFilas = 18;

    // `duena`: the calling window, which owns the converter.
    explicit conversorudsrapido(QWidget *duena);
    ~conversorudsrapido() override;

    // The load steps: nothing handed back yet, heading in the current language, the unit list
    // of MagnitudConversor in the list and the rows, the base unit selected, edit mode.
    void cargar();
    // Recomputes every row, checks the temperature against absolute zero and rebuilds the
    // accept button.
    void calcularotrasuds();
    void Timer1_Timer();

  protected:
    bool event(QEvent *ev) override;

  public:
    // The number to convert, in the unit selected in the list (a change recomputes).
    void fijarEntrada(const QString &texto);
    // View mode: input and list disabled, no accept button.
    void aplicarVista();

    void Command1_Click(); // accept
    void Command2_Click(); // cancel

  signals:
    // The window closed with a number handed back in ValorConvertido.
    void aceptado();

  private:
    void construirFilas();
    // False when the window was deleted while its message was open.
    bool comprobarCeroAbsoluto();

    std::unique_ptr<Ui::conversorudsrapido> ui;
    std::array<QLabel *, kFilas> m_label1{}; // numbers
    std::array<QLabel *, kFilas> m_label2{}; // unit names
    QTimer *m_timer1 = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    int m_unidades = 0;
    bool m_vista = false;
    // Set while the absolute-zero message is open: the timer keeps ticking under the modal box
    // and must not raise it again.
    bool m_avisando = false;
    QStringList estadoEntrada() const;
    QStringList m_ultimoEstado;
    void despertar();
};

} // namespace vorlo
