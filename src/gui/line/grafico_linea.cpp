#include "line/grafico_linea.h"

#include "app/texts.h"
#include "line/line_fields.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace vorlo {

namespace {

QList<QPointF> puntos(const QList<linea::PuntoCurva> &c) {
    QList<QPointF> p;
    p.reserve(c.size());
    for (const linea::PuntoCurva &x : c)
        p << QPointF(x.q, x.h);
    return p;
}

// Room above and below the curves, so that no point sits on the frame.
constexpr double kMargen = 0.08;
constexpr int kDivisiones = 5;

// A series that keeps its points is not touched: each change redraws the chart.
void cambiar(QXYSeries *serie, const QList<QPointF> &p) {
    if (serie->points() != p)
        serie->replace(p);
}

// An axis from `a` to `b` on round numbers (steps of 1, 2 or 5 times a power of ten). An axis
// whose range does not change is left alone: laying the chart out again is most of a
// keystroke's time.
void fijarEje(QValueAxis *eje, double a, double b) {
    const double bruto = (b - a) / kDivisiones;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double paso = potencia;
    for (double m : {2.0, 5.0, 10.0})
        if (paso < bruto)
            paso = m * potencia;
    const double desde = std::floor(a / paso) * paso;
    const double hasta = std::ceil(b / paso) * paso;
    if (eje->min() == desde && eje->max() == hasta)
        return;
    eje->setRange(desde, hasta);
    eje->setTickCount(int(std::lround((hasta - desde) / paso)) + 1);
}

} // namespace

GraficoLinea::GraficoLinea(QWidget *parent) : QChartView(parent) {
    setObjectName(QStringLiteral("CurvaSistema"));
    // Without antialiasing: smoothing the whole chart would take most of a keystroke's time.
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumHeight(340);
    auto *grafico = new QChart;
    grafico->legend()->setAlignment(Qt::AlignBottom);
    // The program's decimal comma on the axes, whatever the machine's locale.
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    m_sistema = new QLineSeries(grafico);
    m_bomba = new QLineSeries(grafico);
    m_diseno = new QScatterSeries(grafico);
    m_operacion = new QScatterSeries(grafico);
    m_sistema->setPen(QPen(QColor(0, 90, 200), 2));
    m_bomba->setPen(QPen(QColor(200, 100, 0), 2));
    m_diseno->setColor(QColor(0, 90, 200));
    m_diseno->setMarkerSize(10);
    m_operacion->setColor(QColor(200, 0, 0));
    m_operacion->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    m_operacion->setMarkerSize(10);
    m_x = new QValueAxis(grafico);
    m_y = new QValueAxis(grafico);
    m_x->setLabelFormat(QStringLiteral("%.0f"));
    m_y->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(m_x, Qt::AlignBottom);
    grafico->addAxis(m_y, Qt::AlignLeft);
    for (QXYSeries *s :
         {static_cast<QXYSeries *>(m_sistema), static_cast<QXYSeries *>(m_bomba),
          static_cast<QXYSeries *>(m_diseno), static_cast<QXYSeries *>(m_operacion)}) {
        grafico->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(m_y);
    }
    // The view starts with a chart of its own, which it lets go of (not deletes) when given ours.
    QChart *vacio = chart();
    setChart(grafico);
    delete vacio;
    traducir(lenguaActual());
}

void GraficoLinea::traducir(Lengua l) {
    chart()->setTitle(linea::tituloCurvas().en(l));
    m_x->setTitleText(linea::ejeCaudal().en(l));
    m_y->setTitleText(linea::ejeAltura().en(l));
    m_sistema->setName(linea::rotuloCurvaSistema().en(l));
    m_bomba->setName(linea::rotuloCurvaBomba().en(l));
    m_diseno->setName(linea::rotuloPuntoDiseno().en(l));
    m_operacion->setName(linea::rotuloPuntoOperacion().en(l));
}

void GraficoLinea::mostrar(const QList<linea::PuntoCurva> &sistema,
                           const QList<linea::PuntoCurva> &bomba,
                           std::optional<linea::PuntoCurva> diseno,
                           std::optional<linea::PuntoCurva> operacion) {
    if (sistema.isEmpty()) {
        for (QXYSeries *s :
             {static_cast<QXYSeries *>(m_sistema), static_cast<QXYSeries *>(m_bomba),
              static_cast<QXYSeries *>(m_diseno), static_cast<QXYSeries *>(m_operacion)})
            s->clear();
        return;
    }
    cambiar(m_sistema, puntos(sistema));
    cambiar(m_bomba, puntos(bomba));
    cambiar(m_diseno, diseno ? QList<QPointF>{QPointF(diseno->q, diseno->h)} : QList<QPointF>{});
    cambiar(m_operacion,
            operacion ? QList<QPointF>{QPointF(operacion->q, operacion->h)} : QList<QPointF>{});
    double qMax = sistema.last().q;
    double hMin = 0;
    double hMax = 0;
    for (const QList<linea::PuntoCurva> *c : {&sistema, &bomba}) {
        for (const linea::PuntoCurva &p : *c) {
            qMax = std::max(qMax, p.q);
            hMin = std::min(hMin, p.h);
            hMax = std::max(hMax, p.h);
        }
    }
    const double alto = std::max(hMax - hMin, 1.0);
    fijarEje(m_x, 0, qMax > 0 ? qMax : 1);
    fijarEje(m_y, hMin < 0 ? hMin - kMargen * alto : 0, hMax + kMargen * alto);
}

int GraficoLinea::puntosSistema() const {
    return int(m_sistema->count());
}
int GraficoLinea::puntosBomba() const {
    return int(m_bomba->count());
}
bool GraficoLinea::conOperacion() const {
    return m_operacion->count() > 0;
}

} // namespace vorlo
