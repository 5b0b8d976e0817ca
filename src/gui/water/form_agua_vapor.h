#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"
#include "water/water_state.h"

#include <QHash>
#include <QWidget>
#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlo {

class FiltroTeclas;

// The water and steam window: the IAPWS-IF97 state at a temperature and an absolute pressure,
// live as the two are typed, and a button that hands its density and dynamic viscosity to the
// pipe flow window. Other code reaches it through app/water_entry.h.
class FormAguaVapor : public QWidget, public CamposTexto {
    Q_OBJECT
  public:
    explicit FormAguaVapor(QWidget *parent = nullptr);
    ~FormAguaVapor() override;

    // CamposTexto over the text boxes and the note, by the field table's names. Writing an
    // input recalculates, as typing does.
    QString texto(const QString &campo) const override;
    void escribir(const QString &campo, const QString &texto) override;
    bool opcion(const QString &nombre) const override;
    void escribirColor(const QString &campo, ColorNota color) override;

    // The state from the inputs' texts, shown.
    void Calcular();
    // The shown density and dynamic viscosity into the pipe flow window.
    void UsarAgua_Click();

  private:
    void construir();
    QGridLayout *nuevaSeccion(int indice);
    void nuevaFila(QGridLayout *rejilla, const QString &nombre);
    void conectarEventos();
    void alCambiarIdioma(Lengua lengua);
    void mostrar(Lengua lengua);
    void mostrarEstado(const agua::EstadoAgua &estado, Lengua lengua);
    void vaciarResultados();
    void fijarNota(const QString &texto, bool roja);
    QLineEdit *campo(const QString &nombre) const { return m_campos.value(nombre); }

    QHash<QString, QLineEdit *> m_campos;
    QList<QGridLayout *> m_rejillas;
    QLabel *m_nota = nullptr;
    QPushButton *m_usar = nullptr;
    FiltroTeclas *m_filtro = nullptr;
    // The last calculation; none while an input is empty or unreadable. The language switch
    // writes its texts again from it.
    std::optional<agua::ResultadoAgua> m_resultado;
};

} // namespace vorlo
