#include "moody_chart.h"

#include "fields/numbers.h"
#include "moody/form_moody_texts.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/regimen.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
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

// "10³" for 1000: the decades of the Reynolds axis.
QString potenciaDeDiez(int k) {
    if (k == 0)
        return QStringLiteral("1");
    if (k == 1)
        return QStringLiteral("10");
    static const char16_t superindices[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString exp;
    for (const QChar c : QString::number(k))
        exp.append(QChar(superindices[c.digitValue()]));
    return QStringLiteral("10") + exp;
}

// The gridlines and captions of a category axis, within its range (it would draw those
// outside too). Its labels must be distinct: gridlines without a caption get distinct
// invisible ones, and repeated captions ("2" in every decade) an invisible suffix.
class Rotulos {
  public:
    explicit Rotulos(QCategoryAxis *eje) : m_eje(eje), m_min(eje->min()), m_max(eje->max()) {
        const QStringList viejas = eje->categoriesLabels();
        for (const QString &l : viejas)
            eje->remove(l);
        eje->setStartValue(m_min);
    }
    void anadir(const QString &texto, double valor) {
        if (valor < m_min - 1e-9 || valor > m_max + 1e-9)
            return;
        m_eje->append(texto + QString(++m_n, QChar(0x200B)), valor);
    }

  private:
    QCategoryAxis *m_eje;
    double m_min;
    double m_max;
    int m_n = 0;
};

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
    QString t = formatoFijo(r, decimales).value_or(QString());
    if (t.contains(u',')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u','))
            t.chop(1);
    }
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
    setMargins(QMargins(6, 10, 86, 4));
    legend()->setAlignment(Qt::AlignBottom);
    QFont pequena = fuente;
    pequena.setPointSizeF(pequena.pointSizeF() * 0.9);
    legend()->setFont(pequena);
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
    mostrarEnLeyenda(sobre, false);
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
        mostrarEnLeyenda(c, false);
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

    m_curvaPropia = new QLineSeries;
    m_curvaPropia->setObjectName(QStringLiteral("CurvaPropia"));
    m_curvaPropia->setPen(QPen(kColorPropia, 3));
    anadir(m_curvaPropia);
}

void GraficoMoody::construirMarcas() {
    m_raiz = new QScatterSeries;
    m_raiz->setObjectName(QStringLiteral("RaizExacta"));
    m_raiz->setName(m_textos.raiz);
    m_raiz->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    m_raiz->setMarkerSize(13);
    m_raiz->setColor(kColorRaiz);
    m_raiz->setBorderColor(Qt::white);
    anadir(m_raiz);

    m_punto = new QScatterSeries;
    m_punto->setObjectName(QStringLiteral("PuntoOperacion"));
    m_punto->setName(m_textos.punto);
    m_punto->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_punto->setMarkerSize(12);
    m_punto->setColor(kColorPunto);
    m_punto->setBorderColor(Qt::white);
    anadir(m_punto);
    mostrarEnLeyenda(m_raiz, false);
    mostrarEnLeyenda(m_punto, false);

    // The markers themselves are small items over the chart rather than points of those
    // series: a series' item covers the whole plot, so moving a point in it repaints every
    // curve, whereas moving a small item repaints only where it was and where it goes.
    auto *punto = new QGraphicsEllipseItem(-6, -6, 12, 12, this);
    punto->setBrush(kColorPunto);
    auto *raiz = new QGraphicsPolygonItem(
        QPolygonF({QPointF(0, -7.5), QPointF(7.5, 0), QPointF(0, 7.5), QPointF(-7.5, 0)}), this);
    raiz->setBrush(kColorRaiz);
    m_marcaPunto = punto;
    m_marcaRaiz = raiz;
    for (QAbstractGraphicsShapeItem *m : {m_marcaPunto, m_marcaRaiz}) {
        m->setPen(QPen(Qt::white, 1.2));
        m->setZValue(1000);
        m->hide();
    }
    m_union = new QGraphicsLineItem(this);
    m_union->setPen(QPen(kColorRaiz, 1.2, Qt::DashLine));
    m_union->setZValue(999);
    m_union->hide();
}

void GraficoMoody::mostrarEnLeyenda(QAbstractSeries *s, bool visible) {
    for (QLegendMarker *m : legend()->markers(s))
        m->setVisible(visible);
}

// Captions as on a printed Moody chart, thinned out when the axes span more decades.
void GraficoMoody::etiquetarEjes() {
    {
        const double x0 = m_ejeRe->min();
        const double x1 = m_ejeRe->max();
        const double decadas = x1 - x0;
        // 8 would crowd the next decade's caption.
        QList<int> conTexto = {2, 3, 4, 5, 6};
        if (decadas > 9)
            conTexto.clear();
        else if (decadas > 6)
            conTexto = {2, 5};
        Rotulos r(m_ejeRe);
        const int k0 = static_cast<int>(std::floor(x0));
        const int k1 = static_cast<int>(std::ceil(x1));
        for (int k = k0; k <= k1; ++k) {
            r.anadir(potenciaDeDiez(k), k);
            if (k == k1)
                break;
            for (int m = 2; m <= 9; ++m)
                r.anadir(conTexto.contains(m) ? QString::number(m) : QString(), k + std::log10(m));
        }
    }
    {
        const double y0 = m_ejeF->min();
        const double y1 = m_ejeF->max();
        const double decadas = y1 - y0;
        QList<double> lineas = {1, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 9};
        QList<double> conTexto = lineas;
        if (decadas > 3.5) {
            lineas = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            conTexto = {1};
        } else if (decadas > 2.5) {
            lineas = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            conTexto = {1, 2, 5};
        } else if (decadas > 1.6) {
            conTexto = {1, 1.5, 2, 3, 4, 5, 6, 8};
        }
        Rotulos r(m_ejeF);
        const int k0 = static_cast<int>(std::floor(y0));
        const int k1 = static_cast<int>(std::ceil(y1));
        for (int k = k0; k <= k1; ++k) {
            for (double m : lineas) {
                if (k == k1 && m > 1)
                    break;
                const double v = m * std::pow(10.0, k);
                r.anadir(conTexto.contains(m) ? formatoPlano(v).value_or(QString()) : QString(),
                         std::log10(v));
            }
        }
    }
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
    mostrarEnLeyenda(m_curvaPropia, relativa.has_value());
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
        mostrarEnLeyenda(m_punto, punto.has_value());
    if (raiz.has_value() != m_coordRaiz.has_value())
        mostrarEnLeyenda(m_raiz, raiz.has_value());
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
