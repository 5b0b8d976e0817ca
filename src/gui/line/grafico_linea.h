#pragma once

#include "fields/language.h"
#include "line/line.h"

#include <QChartView>
#include <QList>
#include <optional>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vorlo {

// Head against flow: the line's system curve, the pump's curve when there is one, the design
// point and the operating point.
class GraficoLinea : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoLinea(QWidget *parent = nullptr);

    // Empty curves clear the chart.
    void mostrar(const QList<linea::PuntoCurva> &sistema, const QList<linea::PuntoCurva> &bomba,
                 std::optional<linea::PuntoCurva> diseno,
                 std::optional<linea::PuntoCurva> operacion);
    void traducir(Lengua lengua);

    // What the chart holds, for tests.
    int puntosSistema() const;
    int puntosBomba() const;
    bool conOperacion() const;

  private:
    QLineSeries *m_sistema = nullptr;
    QLineSeries *m_bomba = nullptr;
    QScatterSeries *m_diseno = nullptr;
    QScatterSeries *m_operacion = nullptr;
    QValueAxis *m_x = nullptr;
    QValueAxis *m_y = nullptr;
};

} // namespace vorlo
