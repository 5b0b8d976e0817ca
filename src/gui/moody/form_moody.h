#pragma once

#include "app/moody_entry.h"
#include "app/texts.h"

#include <QList>
#include <QPointF>
#include <QWidget>
#include <optional>

class QAbstractGraphicsShapeItem;
class QChartView;
class QLabel;
class QPushButton;

namespace vorlo {

struct TextosMoody;

// The Moody chart: the Darcy friction factor against the Reynolds number on log-log axes, with
// the laminar line, the transition band, the Colebrook curves of fourteen relative roughnesses,
// the range 0,01-0,1 of the grid that ffinal comes from, and the pipe window's operating point.
// The series hold chart coordinates (log10 Re, log10 f), so that the axes can carry the labels
// of a printed Moody chart (0,008 0,009 0,01 0,015 ...), which logarithmic value axes cannot.
// The fourteen curves are built once; a new state moves only the markers, the pipe's own curve,
// the status line and, when a point lies outside the usual view, the axes.
class GraficoMoody;

// The Moody chart window: the chart (moody_chart.h) following the pipe window's texts, a status
// line with those texts and a button that saves the chart as an image.
class FormMoody : public QWidget {
    Q_OBJECT
  public:
    enum class Formato { Png, Svg };

    explicit FormMoody(QWidget *parent = nullptr);
    ~FormMoody() override;

    // Shows that state of the pipe window. Texts that are not numbers give no marker and are
    // left out of the status line.
    void actualizar(const EstadoMoody &e);
    // "Save image...": asks for a file and writes the chart as PNG or SVG.
    void CommandGuardarImagen_Click();
    // Writes the chart to `ruta`; false when the file cannot be written.
    bool guardarImagen(const QString &ruta, Formato formato);

    // The markers of the operating point and of the exact root, and where they stand in chart
    // coordinates (nullopt while hidden).
    const QAbstractGraphicsShapeItem *marcaPunto() const;
    const QAbstractGraphicsShapeItem *marcaRaiz() const;
    std::optional<QPointF> puntoOperacion() const;
    std::optional<QPointF> raizExacta() const;

  private:
    Lengua m_lengua;
    const TextosMoody &m_textos;
    GraficoMoody *m_grafico = nullptr;
    QChartView *m_vista = nullptr;
    QLabel *m_estado = nullptr;
    QPushButton *m_guardar = nullptr;
    std::optional<EstadoMoody> m_ultimo;
};

} // namespace vorlo
