#pragma once

#include "fields/language.h"
#include "moody/moody_draw.h"

#include <QChart>
#include <QList>
#include <QPointF>
#include <memory>
#include <optional>

class QAbstractGraphicsShapeItem;
class QAbstractSeries;
class QAreaSeries;
class QCategoryAxis;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;

namespace vorlo {

struct TextosMoody;
class LeyendaMoody;

// What the chart marks: the operating point (Re, f), the exact Colebrook root at that Re and
// the pipe's own relative roughness; nullopt where there is none.
struct PuntosMoody {
    std::optional<double> re;
    std::optional<double> f;
    std::optional<double> exacta;
    std::optional<double> relativa;
};

// The markers of the pipe window's texts: a text that is not a number gives none; the pipe's
// relative roughness from its roughness and diameter.
PuntosMoody puntosMoody(const EstadoMoody &e);

// The Moody chart itself: the Darcy friction factor against the Reynolds number on log-log
// axes, with the laminar line, the transition band, the Colebrook curves of fourteen relative
// roughnesses, the range of the grid that ffinal comes from, the pipe's own curve and the
// operating point. The series hold chart coordinates (log10 Re, log10 f), so that the axes can
// carry the labels of a printed Moody chart (0,008 0,009 0,01 0,015 ...), which logarithmic
// value axes cannot. The fourteen curves are built once; a new state moves only the markers,
// the pipe's own curve and, when a point lies outside the usual view, the axes.
class GraficoMoody : public QChart {
  public:
    GraficoMoody(Lengua lengua, const QFont &fuente);
    ~GraficoMoody() override;

    void mostrar(const PuntosMoody &p);

    QCategoryAxis *ejeRe() const { return m_ejeRe; }
    QCategoryAxis *ejeF() const { return m_ejeF; }
    const QAbstractGraphicsShapeItem *marcaPunto() const { return m_marcaPunto; }
    const QAbstractGraphicsShapeItem *marcaRaiz() const { return m_marcaRaiz; }
    std::optional<QPointF> puntoOperacion() const { return m_coordPunto; }
    std::optional<QPointF> raizExacta() const { return m_coordRaiz; }

    // The relative roughnesses of the labelled curves, smooth first.
    static const QList<double> &rugosidadesRelativas();
    // (Re, f) in chart coordinates.
    static QPointF aGrafico(double re, double f);
    // A relative roughness as the chart writes it: no exponent, at most four significant
    // digits, a leading zero ("0,0005").
    static QString textoRelativa(double r);

    // While one lives, every line and band is cut to the view (an SVG writer does not clip to
    // the plot); its end puts the points back.
    class Recorte {
      public:
        explicit Recorte(GraficoMoody &g);
        ~Recorte();
        Recorte(const Recorte &) = delete;
        Recorte &operator=(const Recorte &) = delete;

      private:
        struct Guardada {
            QLineSeries *serie;
            QList<QPointF> puntos;
        };
        QList<Guardada> m_guardadas;
    };

  private:
    void construirEjes(const QFont &pequena);
    void construirBandas();
    void construirCurvas(const QFont &pequena);
    void construirMarcas();
    void anadir(QAbstractSeries *s);
    QAreaSeries *banda(const QString &nombre, double x0, double x1, double y0, double y1);
    void ajustarEjes(const QList<QPointF> &puntos);
    void etiquetarEjes();
    void colocarEtiquetas();
    void colocarMarcas();
    void mostrarEnLeyenda(int entrada, bool visible);
    void colocarLeyenda();
    void mostrarCurvaPropia(std::optional<double> relativa);

    const TextosMoody &m_textos;
    QCategoryAxis *m_ejeRe = nullptr;
    QCategoryAxis *m_ejeF = nullptr;
    QList<QLineSeries *> m_curvas;
    QLineSeries *m_curvaPropia = nullptr;
    // The legend, and its entries that come and go.
    std::unique_ptr<LeyendaMoody> m_leyenda;
    int m_entradaPropia = -1;
    int m_entradaPunto = -1;
    int m_entradaRaiz = -1;
    QAbstractGraphicsShapeItem *m_marcaPunto = nullptr;
    QAbstractGraphicsShapeItem *m_marcaRaiz = nullptr;
    QGraphicsLineItem *m_union = nullptr; // from the point to the root, when both show
    std::optional<QPointF> m_coordPunto;
    std::optional<QPointF> m_coordRaiz;
    QList<QGraphicsSimpleTextItem *> m_etiquetas;
    QGraphicsSimpleTextItem *m_tituloEtiquetas = nullptr;
    std::optional<double> m_relativaPropia;
};

} // namespace vorlo
