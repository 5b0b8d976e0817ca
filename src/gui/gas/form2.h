#pragma once

#include "app/texts.h"

#include "cases/case_file.h"
#include "fields/field_texts.h"

#include <QHash>
#include <QWidget>
#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class Form2;
}

namespace vorlo {

class FiltroTeclas;

// The gas window: converts a gas's density and flow between sets of conditions, live, and hands
// the actual flow and density to the pipe flow window. Other windows write into it through the
// CamposTexto interface; a write that changes a field recalculates, as typing does.
class Form2 : public QWidget, public CamposTexto {
    Q_OBJECT
  public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

    // CamposTexto over the fourteen fields.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override; // Option1, Option2, Check1
    void escribirColor(const QString &, ColorNota) override {}

    // 1: the normalised flow is known; 2: the flow at process conditions is known.
    int modo() const { return m_modo; }

    // One pass of the calculation, nested when a write changes a field.
    void Calcular();

    // The controls' actions, as a user's click runs them.
    void Check1_Click();
    // Ticks Check1 while a compressibility factor is empty or not a number.
    void mostrarCompresibilidadIncompleta();
    void Option1_Click();
    void Option2_Click();
    void Command3_Click(); // hand-over to the pipe flow window; this window closes
    void Command4_Click(); // help
    void Command5_Click(); // clear
    // A case's part for this window: the mode, the texts as saved (a missing one empty), then
    // whether Z is considered.
    void cargarCaso(const caso::Ventana &v);
    // The flags: the window's texts in that language, which becomes the program's.
    void Picture1_Click() { cambiarLengua(Lengua::Ingles); }
    void Spain_Click() { cambiarLengua(Lengua::Espanol); }

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void mouseMoveEvent(QMouseEvent *ev) override;

  private:
    void cambiarLengua(Lengua lengua);
    void construirFlechas();
    void conectarEventos();
    void alCambiar(const QString &campo);
    void cambiarModo(int modo);
    void mostrarFlechas(int modo);
    void coloresDeModo(int modo);
    void restablecerColores();
    void alPasarRaton(const QString &control);
    // The help line's hint in the current language; it must outlive the window.
    void mostrarPista(const TextoBilingue &pista);
    void actualizarAyuda();
    QLineEdit *campo(const QString &nombre) const;

    std::unique_ptr<Ui::Form2> ui;
    FiltroTeclas *m_filtro = nullptr;
    QHash<QString, QLineEdit *> m_campos;
    int m_modo = 1;
    int m_profundidad = 0;
    // The help line's hint (one of form2_texts.h), kept for a flag click.
    const TextoBilingue *m_pista = nullptr;
    std::optional<TextoBilingue> m_aviso; // what is wrong with the inputs, after the last pass
};

} // namespace vorlo
