#include "moody_chart.h"

#include "fields/numbers.h"
#include "moody/moody_axes.h"
#include "moody/moody_legend.h"
#include "moody/moody_texts.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/regimen.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <algorithm>
#include <cmath>

namespace vorlo {

namespace {

// The usual view, and the farthest the axes extend to show a point (chart coordinates).
constexpr double kReVista0 = 500;
constexpr double kReVista1 = 1e8;
constexpr double kFVista0 = 0.006;
constexpr double kFVista1 = 0.1;
constexpr double kX0 = 0;    // Re 1
constexpr double kX1 = 12.3; // Re 2e12, room for a point at 1e12
constexpr double kY0 = -3;   // f 0,001
constexpr double kY1 = 1;    // f 10
// Room left around a point that widens the view.
constexpr double kHolguraX = 0.15;
constexpr double kHolguraY = 0.06;
// The curves start where the calculation starts using Colebrook.
constexpr double kReInicioCurvas = kReLaminar;
constexpr int kPuntosPorDecada = 16;
// The exact root gets its own marker when it differs from the grid value by more than this.
constexpr double kDiferenciaVisible = 0.01;
// The chart's margins (the right one holds the curves' labels); the legend's rows add to the
// bottom one, inset from the sides by kMargenLeyenda.
const QMargins kMargenes(6, 10, 86, 4);
constexpr double kMargenLeyenda = 12;
constexpr int kHuecoLeyenda = 6; // between the Re axis's title and the legend

const QColor kColorCurva(70, 70, 70);
const QColor kColorLaminar(0, 0, 0);
const QColor kColorPropia(230, 100, 0);
const QColor kColorPunto(220, 0, 0);
const QColor kColorRaiz(0, 100, 210);
const QColor kColorMalla(200, 110, 0);

QList<QPointF> curva(double relativa) {
    const double x0 = std::log10(kReInicioCurvas);
    const int n = static_cast<int>(std::ceil((kX1 - x0) * kPuntosPorDecada));
    QList<QPointF> p;
    p.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double x = x0 + (kX1 - x0) * i / n;
        if (const auto f = colebrookExacto(relativa, 1.0, std::pow(10.0, x)))
            p.append({x, std::log10(*f)});
    }
    return p;
}

// The part of the polyline inside `r`. The curves are monotone, so that part is one piece.
QList<QPointF> recortar(const QList<QPointF> &linea, const QRectF &r) {
    QList<QPointF> dentro;
    const auto anadirPunto = [&](const QPointF &p) {
        if (dentro.isEmpty() || dentro.last() != p)
            dentro.append(p);
    };
    for (qsizetype i = 1; i < linea.size(); ++i) {
        // Liang-Barsky: the part t0..t1 of the segment that lies in r.
        const QPointF a = linea[i - 1];
        const QPointF d = linea[i] - a;
        double t0 = 0;
        double t1 = 1;
        const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
        const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(),
                            r.bottom() - a.y()};
        bool fuera = false;
        for (int k = 0; k < 4 && !fuera; ++k) {
            if (p[k] == 0) {
                fuera = q[k] < 0;
            } else {
                const double t = q[k] / p[k];
                if (p[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                fuera = t0 > t1;
            }
        }
        if (fuera)
            continue;
        anadirPunto(a + t0 * d);
        anadirPunto(a + t1 * d);
    }
    return dentro;
}

bool dentroDeLimites(const QPointF &p) {
    return p.x() >= kX0 && p.x() <= kX1 && p.y() >= kY0 && p.y() <= kY1;
}

} // namespace

PuntosMoody puntosMoody(const EstadoMoody &e) {
    PuntosMoody p{leerNumero(e.re), leerNumero(e.ffinal), leerNumero(e.fexacta), std::nullopt};
    const auto rugosidad = leerNumero(e.rugosidad);
    const auto dint = leerNumero(e.dint);
    if (rugosidad && dint && *rugosidad >= 0 && *dint > 0 && std::isfinite(*rugosidad / *dint))
        p.relativa = *rugosidad / *dint;
    return p;
}

const QList<double> &GraficoMoody::rugosidadesRelativas() {
    static const QList<double> r = {0,    1e-6, 5e-6, 1e-5, 5e-5, 1e-4, 2e-4,
                                    5e-4, 1e-3, 2e-3, 5e-3, 0.01, 0.02, 0.05};
    return r;
}

QPointF GraficoMoody::aGrafico(double re, double f) {
    return {std::log10(re), std::log10(f)};
}

QString GraficoMoody::textoRelativa(double r) {
    if (!std::isfinite(r))
        return {};
    if (r == 0)
        return QStringLiteral("0");
    const int decimales =
        std::clamp(3 - static_cast<int>(std::floor(std::log10(std::fabs(r)))), 0, 12);
    QString t = sinCerosFinales(formatoFijo(r, decimales).value_or(QString()));
    if (t.startsWith(u','))
        t.prepend(u'0');
    else if (t.startsWith(QStringLiteral("-,")))
        t.insert(1, u'0');
    // Too small for twelve decimals: the plain form, exponent and all.
    if (t.isEmpty() || t == QStringLiteral("0") || t == QStringLiteral("-0"))
        return formatoPlano(r).value_or(QString());
    return t;
}

GraficoMoody::GraficoMoody(Lengua lengua, const QFont &fuente) : m_textos(textosMoody(lengua)) {
    setBackgroundRoundness(0);
    setMargins(kMargenes);
    QFont pequena = fuente;
    pequena.setPointSizeF(pequena.pointSizeF() * 0.9);
    // The chart's own legend keeps to one row and cuts what does not fit; this one wraps.
    legend()->hide();
    m_leyenda = std::make_unique<LeyendaMoody>(this, pequena);
    construirEjes(pequena);
    // Bands first, so that the lines are drawn over them.
    construirBandas();
    construirCurvas(pequena);
    construirMarcas();
    m_ejeRe->setRange(std::log10(kReVista0), std::log10(kReVista1));
    m_ejeF->setRange(std::log10(kFVista0), std::log10(kFVista1));
    etiquetarEjes();
    connect(this, &QChart::plotAreaChanged, this, [this] {
        colocarEtiquetas();
        colocarMarcas();
    });
    connect(this, &QGraphicsWidget::geometryChanged, this, &GraficoMoody::colocarLeyenda);
}

GraficoMoody::~GraficoMoody() = default;

void GraficoMoody::anadir(QAbstractSeries *s) {
    addSeries(s);
    s->attachAxis(m_ejeRe);
    s->attachAxis(m_ejeF);
}

QAreaSeries *GraficoMoody::banda(const QString &nombre, double x0, double x1, double y0,
                                 double y1) {
    auto *arriba = new QLineSeries;
    arriba->append({{x0, y1}, {x1, y1}});
    auto *abajo = new QLineSeries;
    abajo->append({{x0, y0}, {x1, y0}});
    // The area starts as a child of its upper line and does not own its lines; turned round,
    // the lines live exactly as long as the area that draws them.
    auto *a = new QAreaSeries(arriba, abajo);
    a->setParent(this);
    arriba->setParent(a);
    abajo->setParent(a);
    a->setObjectName(nombre);
    return a;
}

void GraficoMoody::construirEjes(const QFont &pequena) {
    m_ejeRe = new QCategoryAxis;
    m_ejeRe->setObjectName(QStringLiteral("EjeRe"));
    m_ejeF = new QCategoryAxis;
    m_ejeF->setObjectName(QStringLiteral("EjeF"));
    for (QCategoryAxis *eje : {m_ejeRe, m_ejeF}) {
        eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        eje->setGridLineColor(QColor(205, 205, 205));
        eje->setLabelsFont(pequena);
        eje->setTruncateLabels(false);
    }
    m_ejeRe->setTitleText(m_textos.ejeRe);
    m_ejeF->setTitleText(m_textos.ejeF);
    addAxis(m_ejeRe, Qt::AlignBottom);
    addAxis(m_ejeF, Qt::AlignLeft);
}

void GraficoMoody::construirBandas() {
    QAreaSeries *transicion = banda(QStringLiteral("Transicion"), std::log10(kReLaminar),
                                    std::log10(kReTurbulento), kY0, kY1);
    transicion->setName(m_textos.transicion);
    transicion->setPen(Qt::NoPen);
    transicion->setBrush(QColor(110, 110, 110, 45));
    anadir(transicion);
    mostrarEnLeyenda(m_leyenda->anadir(LeyendaMoody::Muestra::Banda, QPen(QColor(150, 150, 150)),
                                       transicion->brush(), m_textos.transicion),
                     true);

    QAreaSeries *bajo = banda(QStringLiteral("FueraMallaInferior"), kX0, kX1, kY0,
                              std::log10(friccion::kMallaInicio));
    QAreaSeries *sobre =
        banda(QStringLiteral("FueraMallaSuperior"), kX0, kX1, std::log10(friccion::kMallaFin), kY1);
    for (QAreaSeries *a : {bajo, sobre}) {
        a->setName(m_textos.fueraMalla);
        QPen borde(kColorMalla, 1.5, Qt::DashLine);
        a->setPen(borde);
        a->setBrush(QBrush(QColor(255, 160, 40, 40)));
        anadir(a);
    }
    mostrarEnLeyenda(m_leyenda->anadir(LeyendaMoody::Muestra::Banda, sobre->pen(), sobre->brush(),
                                       m_textos.fueraMalla),
                     true);
}

void GraficoMoody::construirCurvas(const QFont &pequena) {
    const QList<double> &relativas = rugosidadesRelativas();
    for (int i = 0; i < relativas.size(); ++i) {
        auto *c = new QLineSeries;
        c->setObjectName(QStringLiteral("Curva(%1)").arg(i));
        c->setName(relativas[i] == 0 ? m_textos.liso : textoRelativa(relativas[i]));
        c->setPen(QPen(kColorCurva, 1.1));
        c->replace(curva(relativas[i]));
        anadir(c);
        m_curvas.append(c);

        auto *etiqueta = new QGraphicsSimpleTextItem(c->name(), this);
        etiqueta->setFont(pequena);
        etiqueta->setBrush(kColorCurva);
        m_etiquetas.append(etiqueta);
    }
    m_tituloEtiquetas = new QGraphicsSimpleTextItem(QStringLiteral("ε/D"), this);
    QFont negrita = pequena;
    negrita.setBold(true);
    m_tituloEtiquetas->setFont(negrita);

    auto *laminar = new QLineSeries;
    laminar->setObjectName(QStringLiteral("Laminar"));
    laminar->setName(m_textos.laminar);
    laminar->setPen(QPen(kColorLaminar, 1.6));
    // A power law is straight on log-log axes.
    laminar->append(
        {aGrafico(1, kFactorLaminar), aGrafico(kReInicioCurvas, kFactorLaminar / kReInicioCurvas)});
    anadir(laminar);
    mostrarEnLeyenda(
        m_leyenda->anadir(LeyendaMoody::Muestra::Linea, laminar->pen(), {}, m_textos.laminar),
        true);

    m_curvaPropia = new QLineSeries;
    m_curvaPropia->setObjectName(QStringLiteral("CurvaPropia"));
    m_curvaPropia->setPen(QPen(kColorPropia, 3));
    anadir(m_curvaPropia);
    m_entradaPropia =
        m_leyenda->anadir(LeyendaMoody::Muestra::Linea, m_curvaPropia->pen(), {}, QString());
}

void GraficoMoody::construirMarcas() {
    const QPen borde(Qt::white, 1.2);
    m_entradaRaiz =
        m_leyenda->anadir(LeyendaMoody::Muestra::Rombo, borde, kColorRaiz, m_textos.raiz);
    m_entradaPunto =
        m_leyenda->anadir(LeyendaMoody::Muestra::Circulo, borde, kColorPunto, m_textos.punto);

    // The markers are small items over the chart rather than points of a series: a series'
    // item covers the whole plot, so moving a point in it repaints every
    // curve, whereas moving a small item repaints only where it was and where it goes.
    auto *punto = new QGraphicsEllipseItem(-6, -6, 12, 12, this);
    punto->setBrush(kColorPunto);
    auto *raiz = new QGraphicsPolygonItem(
        QPolygonF({QPointF(0, -7.5), QPointF(7.5, 0), QPointF(0, 7.5), QPointF(-7.5, 0)}), this);
    raiz->setBrush(kColorRaiz);
    m_marcaPunto = punto;
    m_marcaRaiz = raiz;
    for (QAbstractGraphicsShapeItem *m : {m_marcaPunto, m_marcaRaiz}) {
        m->setPen(borde);
        m->setZValue(1000);
        m->hide();
    }
    m_union = new QGraphicsLineItem(this);
    m_union->setPen(QPen(kColorRaiz, 1.2, Qt::DashLine));
    m_union->setZValue(999);
    m_union->hide();
}

void GraficoMoody::mostrarEnLeyenda(int entrada, bool visible) {
    m_leyenda->mostrar(entrada, visible);
    colocarLeyenda();
}

// The legend under the Re axis, in as many rows as it needs at the chart's width: the bottom
// margin grows to hold them, and the plot gives way.
void GraficoMoody::colocarLeyenda() {
    const QRectF r = rect();
    const double ancho = r.width() - 2 * kMargenLeyenda;
    const double alto = m_leyenda->alto(ancho);
    QMargins m = kMargenes;
    if (alto > 0)
        m.setBottom(m.bottom() + kHuecoLeyenda + static_cast<int>(std::ceil(alto)));
    if (margins() != m)
        setMargins(m);
    m_leyenda->colocar(QPointF(r.left() + kMargenLeyenda, r.bottom() - m.bottom() + kHuecoLeyenda),
                       ancho);
}

void GraficoMoody::etiquetarEjes() {
    rotularEjeRe(m_ejeRe);
    rotularEjeF(m_ejeF);
}

// The curves' labels stand in the right margin, at the height where each curve leaves the
// plot, moved apart where they would overlap.
void GraficoMoody::colocarEtiquetas() {
    const QRectF area = plotArea();
    if (area.isEmpty() || m_curvas.isEmpty())
        return;
    const double xFin = m_ejeRe->max();
    const double yMin = m_ejeF->min();
    const double yMax = m_ejeF->max();
    const QList<double> &relativas = rugosidadesRelativas();
    const double alto = m_etiquetas.first()->boundingRect().height() - 1;

    struct Sitio {
        int indice;
        double y;
    };
    QList<Sitio> sitios;
    for (int i = 0; i < m_etiquetas.size(); ++i) {
        const auto f = colebrookExacto(relativas[i], 1.0, std::pow(10.0, xFin));
        const double y = f ? std::clamp(std::log10(*f), yMin, yMax) : yMin;
        sitios.append({i, mapToPosition(QPointF(xFin, y), m_curvas[i]).y()});
    }
    std::sort(sitios.begin(), sitios.end(),
              [](const Sitio &a, const Sitio &b) { return a.y < b.y; });
    for (qsizetype j = 1; j < sitios.size(); ++j)
        sitios[j].y = std::max(sitios[j].y, sitios[j - 1].y + alto);
    const double fondo = area.bottom() + alto / 2;
    if (!sitios.isEmpty() && sitios.last().y > fondo) {
        sitios.last().y = fondo;
        for (qsizetype j = sitios.size() - 2; j >= 0; --j)
            sitios[j].y = std::min(sitios[j].y, sitios[j + 1].y - alto);
    }
    const double x = area.right() + 6;
    for (const Sitio &s : sitios)
        m_etiquetas[s.indice]->setPos(x, s.y - (alto + 1) / 2);
    m_tituloEtiquetas->setPos(x, area.top() - m_tituloEtiquetas->boundingRect().height() - 2);
}

void GraficoMoody::colocarMarcas() {
    const auto colocar = [this](QAbstractGraphicsShapeItem *m, const std::optional<QPointF> &c) {
        if (c)
            m->setPos(mapToPosition(*c, m_curvas.first()));
        m->setVisible(c.has_value());
    };
    colocar(m_marcaPunto, m_coordPunto);
    colocar(m_marcaRaiz, m_coordRaiz);
    if (m_coordPunto && m_coordRaiz)
        m_union->setLine(QLineF(m_marcaPunto->pos(), m_marcaRaiz->pos()));
    m_union->setVisible(m_coordPunto && m_coordRaiz);
}

void GraficoMoody::ajustarEjes(const QList<QPointF> &puntos) {
    double x0 = std::log10(kReVista0);
    double x1 = std::log10(kReVista1);
    double y0 = std::log10(kFVista0);
    double y1 = std::log10(kFVista1);
    for (const QPointF &p : puntos) {
        x0 = std::min(x0, p.x() - kHolguraX);
        x1 = std::max(x1, p.x() + kHolguraX);
        y0 = std::min(y0, p.y() - kHolguraY);
        y1 = std::max(y1, p.y() + kHolguraY);
    }
    x0 = std::max(x0, kX0);
    x1 = std::min(x1, kX1);
    y0 = std::max(y0, kY0);
    y1 = std::min(y1, kY1);
    // An end of the f axis taken beyond the usual view goes on to the next captioned line, so
    // that the extension carries captions like the rest. Its captions thin out as it spans more
    // decades, so the span is taken again until the ends stay put.
    for (int i = 0; i < 4; ++i) {
        const double decadas = y1 - y0;
        if (y1 > std::log10(kFVista1))
            y1 = aLineaConTextoF(y1, decadas, true, kY0, kY1);
        if (y0 < std::log10(kFVista0))
            y0 = aLineaConTextoF(y0, decadas, false, kY0, kY1);
    }
    if (x0 == m_ejeRe->min() && x1 == m_ejeRe->max() && y0 == m_ejeF->min() && y1 == m_ejeF->max())
        return;
    m_ejeRe->setRange(x0, x1);
    m_ejeF->setRange(y0, y1);
    etiquetarEjes();
    colocarEtiquetas();
}

// The pipe's own curve, rebuilt only when its roughness changes.
void GraficoMoody::mostrarCurvaPropia(std::optional<double> relativa) {
    if (relativa == m_relativaPropia)
        return;
    m_relativaPropia = relativa;
    m_curvaPropia->replace(relativa ? curva(*relativa) : QList<QPointF>());
    m_curvaPropia->setName(relativa ? m_textos.curvaPropia.arg(textoRelativa(*relativa))
                                    : QString());
    m_leyenda->fijarTexto(m_entradaPropia, m_curvaPropia->name());
    mostrarEnLeyenda(m_entradaPropia, relativa.has_value());
}

void GraficoMoody::mostrar(const PuntosMoody &p) {
    mostrarCurvaPropia(p.relativa);
    std::optional<QPointF> punto;
    std::optional<QPointF> raiz;
    if (p.re && *p.re > 0) {
        const bool conF = p.f && *p.f > 0;
        if (conF)
            punto = aGrafico(*p.re, *p.f);
        if (p.exacta && *p.exacta > 0 &&
            (!conF || std::fabs(*p.exacta / *p.f - 1) > kDiferenciaVisible))
            raiz = aGrafico(*p.re, *p.exacta);
    }
    if (punto && !dentroDeLimites(*punto))
        punto.reset();
    if (raiz && !dentroDeLimites(*raiz))
        raiz.reset();
    QList<QPointF> puntos;
    for (const std::optional<QPointF> &q : {punto, raiz})
        if (q)
            puntos << *q;
    ajustarEjes(puntos);
    if (punto.has_value() != m_coordPunto.has_value())
        mostrarEnLeyenda(m_entradaPunto, punto.has_value());
    if (raiz.has_value() != m_coordRaiz.has_value())
        mostrarEnLeyenda(m_entradaRaiz, raiz.has_value());
    m_coordPunto = punto;
    m_coordRaiz = raiz;
    colocarMarcas();
}

GraficoMoody::Recorte::Recorte(GraficoMoody &g) {
    // In chart coordinates y grows upwards; QRectF only needs top <= bottom.
    const QRectF vista(QPointF(g.m_ejeRe->min(), g.m_ejeF->min()),
                       QPointF(g.m_ejeRe->max(), g.m_ejeF->max()));
    for (QAbstractSeries *s : g.series()) {
        if (auto *a = qobject_cast<QAreaSeries *>(s)) {
            for (QLineSeries *l : {a->upperSeries(), a->lowerSeries()}) {
                QList<QPointF> p = l->points();
                m_guardadas.append({l, p});
                for (QPointF &q : p)
                    q = {std::clamp(q.x(), vista.left(), vista.right()),
                         std::clamp(q.y(), vista.top(), vista.bottom())};
                l->replace(p);
            }
        } else if (auto *l = qobject_cast<QLineSeries *>(s)) {
            m_guardadas.append({l, l->points()});
            l->replace(recortar(l->points(), vista));
        }
    }
}

GraficoMoody::Recorte::~Recorte() {
    for (const Guardada &g : m_guardadas)
        g.serie->replace(g.puntos);
}

} // namespace vorlo
