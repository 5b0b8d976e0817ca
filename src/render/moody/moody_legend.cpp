#include "moody_legend.h"

#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPolygonF>
#include <algorithm>

namespace vorlo {

namespace {
constexpr double kMuestra = 12;    // the sample's side
constexpr double kHuecoTexto = 5;  // between the sample and its text
constexpr double kHuecoEntre = 18; // between one entry and the next in a row
constexpr double kHuecoFilas = 3;  // between rows

// A small sample of what an entry names: a band, a line, the point's circle, the root's
// diamond.
QGraphicsItem *crearMuestra(LeyendaMoody::Muestra muestra, const QPen &pluma, const QBrush &relleno,
                            QGraphicsItem *padre) {
    using M = LeyendaMoody::Muestra;
    if (muestra == M::Linea) {
        auto *l = new QGraphicsLineItem(0, kMuestra / 2, kMuestra, kMuestra / 2, padre);
        l->setPen(pluma);
        return l;
    }
    QAbstractGraphicsShapeItem *forma = nullptr;
    if (muestra == M::Banda)
        forma = new QGraphicsRectItem(0, 1, kMuestra, kMuestra - 2, padre);
    else if (muestra == M::Circulo)
        forma = new QGraphicsEllipseItem(1, 1, kMuestra - 2, kMuestra - 2, padre);
    else
        forma = new QGraphicsPolygonItem(
            QPolygonF({QPointF(kMuestra / 2, 0), QPointF(kMuestra, kMuestra / 2),
                       QPointF(kMuestra / 2, kMuestra), QPointF(0, kMuestra / 2)}),
            padre);
    forma->setPen(pluma);
    forma->setBrush(relleno);
    return forma;
}

} // namespace

LeyendaMoody::LeyendaMoody(QGraphicsItem *padre, const QFont &fuente)
    : m_padre(padre), m_fuente(fuente) {}

int LeyendaMoody::anadir(Muestra muestra, const QPen &pluma, const QBrush &relleno,
                         const QString &texto) {
    QGraphicsItem *m = crearMuestra(muestra, pluma, relleno, m_padre);
    auto *t = new QGraphicsSimpleTextItem(texto, m_padre);
    t->setFont(m_fuente);
    m->hide();
    t->hide();
    m_entradas.append({m, t, false});
    return static_cast<int>(m_entradas.size() - 1);
}

void LeyendaMoody::fijarTexto(int entrada, const QString &texto) {
    m_entradas[entrada].texto->setText(texto);
}

void LeyendaMoody::mostrar(int entrada, bool visible) {
    Entrada &e = m_entradas[entrada];
    e.visible = visible;
    e.muestra->setVisible(visible);
    e.texto->setVisible(visible);
}

double LeyendaMoody::anchoEntrada(const Entrada &e) const {
    return kMuestra + kHuecoTexto + e.texto->boundingRect().width();
}

double LeyendaMoody::altoFila() const {
    return std::max(kMuestra, QFontMetricsF(m_fuente).height());
}

QList<QList<const LeyendaMoody::Entrada *>> LeyendaMoody::filas(double ancho) const {
    QList<QList<const Entrada *>> f;
    double ocupado = 0;
    for (const Entrada &e : m_entradas) {
        if (!e.visible)
            continue;
        const double a = anchoEntrada(e);
        if (f.isEmpty() || ocupado + kHuecoEntre + a > ancho) {
            f.append(QList<const Entrada *>());
            ocupado = a;
        } else {
            ocupado += kHuecoEntre + a;
        }
        f.last().append(&e);
    }
    return f;
}

double LeyendaMoody::alto(double ancho) const {
    const qsizetype n = filas(ancho).size();
    return n == 0 ? 0 : n * altoFila() + (n - 1) * kHuecoFilas;
}

void LeyendaMoody::colocar(const QPointF &origen, double ancho) {
    const double fila = altoFila();
    double y = origen.y();
    for (const QList<const Entrada *> &enFila : filas(ancho)) {
        double total = (enFila.size() - 1) * kHuecoEntre;
        for (const Entrada *e : enFila)
            total += anchoEntrada(*e);
        double x = origen.x() + std::max(0.0, (ancho - total) / 2);
        for (const Entrada *e : enFila) {
            e->muestra->setPos(x, y + (fila - kMuestra) / 2);
            e->texto->setPos(x + kMuestra + kHuecoTexto,
                             y + (fila - e->texto->boundingRect().height()) / 2);
            x += anchoEntrada(*e) + kHuecoEntre;
        }
        y += fila + kHuecoFilas;
    }
}

} // namespace vorlo
