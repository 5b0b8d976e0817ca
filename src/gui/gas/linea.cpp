#include "linea.h"

#include <QPainter>

namespace vorlo {

Linea::Linea(Trazo trazo, const QString &nombre, QWidget *parent)
    : QWidget(parent), m_trazo(trazo) {
    setObjectName(nombre);
    if (trazo == Trazo::Vertical) {
        setFixedWidth(16);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    } else {
        setFixedSize(8, 10);
    }
    // A hidden arrow head keeps its room, so the rest of the arrow does not move.
    QSizePolicy p = sizePolicy();
    p.setRetainSizeWhenHidden(true);
    setSizePolicy(p);
}

QSize Linea::sizeHint() const {
    return m_trazo == Trazo::Vertical ? QSize(16, 40) : QSize(8, 10);
}

void Linea::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::SolidLine, Qt::RoundCap));
    // Heads span their full width, so two halves side by side meet at the joint.
    const QRectF r(0, 1, width(), height() - 2);
    switch (m_trazo) {
    case Trazo::Bajando:
        p.drawLine(r.topLeft(), r.bottomRight());
        break;
    case Trazo::Subiendo:
        p.drawLine(r.bottomLeft(), r.topRight());
        break;
    case Trazo::Vertical:
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom() + 1));
        break;
    }
}

} // namespace vorlo
