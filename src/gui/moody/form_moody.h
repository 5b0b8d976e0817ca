#pragma once

#include "app/moody_entry.h"
#include "app/texts.h"

#include <QList>
#include <QPointF>
#include <QWidget>
#include <optional>

class QAbstractGraphicsShapeItem;
class QAbstractSeries;
class QAreaSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;

namespace vorlo {

struct TextosMoody;

// The Moody chart: the Darcy friction factor against the Reynolds number on log-log axes, with
// the laminar line, the transition band, the Colebrook curves of fourteen relative roughnesses,
// the range 0,01-0,1 of the grid that ffinal comes from, and the pipe window's operating point.
// The series hold chart coordinates (log10 Re, log10 f), so that the axes can carry the labels
// of a printed Moody chart (0,008 0,009 0,01 0,015 ...), which logarithmic value axes cannot.
// The fourteen curves are built once; a new state moves only the markers, the pipe's own curve,
// the status line and, when a point lies outside the usual view, the axes.
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

    // The relative roughnesses of the labelled curves, smooth first.
    static const QList<double> &rugosidadesRelativas();
    // (Re, f) in chart coordinates.
    static QPointF aGrafico(double re, double f);

    // The markers of the operating point and of the exact root, and where they stand in chart
    // coordinates (nullopt while hidden).
    const QAbstractGraphicsShapeItem *marcaPunto() const { return m_marcaPunto; }
    const QAbstractGraphicsShapeItem *marcaRaiz() const { return m_marcaRaiz; }
    std::optional<QPointF> puntoOperacion() const { return m_coordPunto; }
    std::optional<QPointF> raizExacta() const { return m_coordRaiz; }
    // A relative roughness as the chart writes it: no exponent, at most four significant
    // digits, a leading zero ("0,0005").
    static QString textoRelativa(double r);

  private:
    void construirGrafico();
    void anadir(QAbstractSeries *s);
    QAreaSeries *banda(const QString &nombre, double x0, double x1, double y0, double y1);
    void ajustarEjes(const QList<QPointF> &puntos);
    void etiquetarEjes();
    void colocarEtiquetas();
    void colocarMarcas();
    void mostrarEnLeyenda(QAbstractSeries *s, bool visible);

    Lengua m_lengua;
    const TextosMoody &m_textos;
    QChart *m_grafico = nullptr;
    QChartView *m_vista = nullptr;
    QCategoryAxis *m_ejeRe = nullptr;
    QCategoryAxis *m_ejeF = nullptr;
    QList<QLineSeries *> m_curvas;
    QLineSeries *m_curvaPropia = nullptr;
    // Empty series that only give the markers their legend entries.
    QScatterSeries *m_punto = nullptr;
    QScatterSeries *m_raiz = nullptr;
    QAbstractGraphicsShapeItem *m_marcaPunto = nullptr;
    QAbstractGraphicsShapeItem *m_marcaRaiz = nullptr;
    QGraphicsLineItem *m_union = nullptr; // from the point to the root, when both show
    std::optional<QPointF> m_coordPunto;
    std::optional<QPointF> m_coordRaiz;
    QList<QGraphicsSimpleTextItem *> m_etiquetas;
    QGraphicsSimpleTextItem *m_tituloEtiquetas = nullptr;
    QLabel *m_estado = nullptr;
    QPushButton *m_guardar = nullptr;
    std::optional<EstadoMoody> m_ultimo;
    std::optional<double> m_relativaPropia;
};

} // namespace vorlo
