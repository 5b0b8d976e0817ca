#include "moody/moody_draw.h"

#include "moody/moody_chart.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPainter>

namespace vorlo {

void dibujarMoody(QPainter &pintor, const QRectF &zona, const EstadoMoody &e, Lengua lengua) {
    if (zona.isEmpty())
        return;
    // Laid out as the window would be, this wide, then scaled: the texts keep their size against
    // the plot whatever the zone.
    constexpr double kAncho = 960;
    const QSizeF tamano(kAncho, kAncho * zona.height() / zona.width());
    QGraphicsScene escena;
    auto *grafico = new GraficoMoody(lengua, QGuiApplication::font());
    escena.addItem(grafico); // the scene owns it
    grafico->setGeometry(QRectF(QPointF(0, 0), tamano));
    grafico->mostrar(puntosMoody(e));
    // The plot area and the legend follow the geometry only once their layouts have run; each
    // pass may ask for another.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const GraficoMoody::Recorte recorte(*grafico);
    escena.render(&pintor, zona, QRectF(QPointF(0, 0), tamano));
}

} // namespace vorlo
