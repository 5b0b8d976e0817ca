#include "annex_chart.h"

#include "fields/numbers.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace vorlo::informe {

namespace {

const QColor kColores[] = {QColor(0, 90, 200), QColor(200, 100, 0), QColor(0, 90, 200),
                           QColor(200, 0, 0)};
const QColor kTinta(0x1d, 0x3c, 0x52);
const QColor kRejilla(0xd8, 0xdd, 0xe2);
constexpr int kDivisiones = 5;

struct Eje {
    double desde = 0;
    double hasta = 1;
    double paso = 1;
};

// From `a` to `b` on round numbers: steps of 1, 2 or 5 times a power of ten.
Eje ejeRedondo(double a, double b) {
    if (!(b > a))
        b = a + 1;
    const double bruto = (b - a) / kDivisiones;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double paso = potencia;
    for (double m : {2.0, 5.0, 10.0})
        if (paso < bruto)
            paso = m * potencia;
    return {std::floor(a / paso) * paso, std::ceil(b / paso) * paso, paso};
}

QString etiqueta(double x) {
    return formatoPlano(std::abs(x) < 1e-12 ? 0 : x).value_or(QString());
}

} // namespace

void dibujarGraficoAnexo(QPainter &p, const QRectF &zona, const GraficoAnexo &g) {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (const CurvaAnexo &c : g.curvas)
        for (const QPointF &q : c.puntos) {
            x1 = std::max(x1, q.x());
            y0 = std::min(y0, q.y());
            y1 = std::max(y1, q.y());
        }
    const Eje ex = ejeRedondo(x0, x1);
    const Eje ey = ejeRedondo(y0, y1 + 0.05 * (y1 - y0));
    p.save();
    QFont letra = p.font();
    const QFontMetricsF fm(letra, p.device());
    const double alto = fm.height();
    const QRectF marco = zona.adjusted(fm.horizontalAdvance(QStringLiteral("0000,0")) + 2 * alto,
                                       1.5 * alto, -alto, -4.5 * alto);
    const auto aPunto = [&](QPointF q) {
        return QPointF(marco.left() + (q.x() - ex.desde) / (ex.hasta - ex.desde) * marco.width(),
                       marco.bottom() -
                           (q.y() - ey.desde) / (ey.hasta - ey.desde) * marco.height());
    };
    p.setPen(kTinta);
    p.drawText(QRectF(zona.left(), zona.top(), zona.width(), alto), Qt::AlignHCenter, g.titulo);
    const double grosor = std::max(1.0, alto / 12);
    for (double x = ex.desde; x <= ex.hasta + ex.paso / 2; x += ex.paso) {
        const QPointF a = aPunto({x, ey.desde});
        p.setPen(QPen(kRejilla, grosor));
        p.drawLine(a, aPunto({x, ey.hasta}));
        p.setPen(kTinta);
        p.drawText(QRectF(a.x() - 3 * alto, a.y() + alto / 4, 6 * alto, alto), Qt::AlignHCenter,
                   etiqueta(x));
    }
    for (double y = ey.desde; y <= ey.hasta + ey.paso / 2; y += ey.paso) {
        const QPointF a = aPunto({ex.desde, y});
        p.setPen(QPen(kRejilla, grosor));
        p.drawLine(a, aPunto({ex.hasta, y}));
        p.setPen(kTinta);
        p.drawText(QRectF(zona.left(), a.y() - alto / 2, a.x() - zona.left() - alto / 3, alto),
                   Qt::AlignRight | Qt::AlignVCenter, etiqueta(y));
    }
    p.setPen(QPen(kTinta, grosor));
    p.drawRect(marco);
    p.drawText(QRectF(marco.left(), marco.bottom() + 1.3 * alto, marco.width(), alto),
               Qt::AlignHCenter, g.ejeX);
    p.save();
    p.translate(zona.left() + alto / 2, marco.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-marco.height() / 2, -alto / 2, marco.height(), alto), Qt::AlignHCenter,
               g.ejeY);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing);
    double leyenda = marco.left();
    const double yLeyenda = marco.bottom() + 3 * alto;
    for (int i = 0; i < g.curvas.size(); ++i) {
        const CurvaAnexo &c = g.curvas[i];
        const QColor color = kColores[i % std::size(kColores)];
        p.setPen(QPen(color, 2 * grosor));
        p.setBrush(color);
        if (c.marcas) {
            for (const QPointF &q : c.puntos)
                p.drawEllipse(aPunto(q), alto / 4, alto / 4);
            p.drawEllipse(QPointF(leyenda + alto / 2, yLeyenda + alto / 2), alto / 4, alto / 4);
        } else {
            QPainterPath camino;
            for (int j = 0; j < c.puntos.size(); ++j)
                j == 0 ? camino.moveTo(aPunto(c.puntos[j])) : camino.lineTo(aPunto(c.puntos[j]));
            p.setBrush(Qt::NoBrush);
            p.drawPath(camino);
            p.drawLine(QPointF(leyenda, yLeyenda + alto / 2),
                       QPointF(leyenda + alto, yLeyenda + alto / 2));
        }
        p.setPen(kTinta);
        p.drawText(QPointF(leyenda + 1.4 * alto, yLeyenda + 0.8 * alto), c.nombre);
        leyenda += 2.5 * alto + fm.horizontalAdvance(c.nombre);
    }
    p.restore();
}

} // namespace vorlo::informe
