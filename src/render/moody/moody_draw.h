#pragma once

#include "fields/language.h"

#include <QRectF>
#include <QString>

class QPainter;

// The Moody chart drawn with no window, for the calculation note and the chart window alike.
namespace vorlo {

// The pipe window's texts that the chart shows, exactly as that window holds them.
struct EstadoMoody {
    QString re;        // Re
    QString ffinal;    // the grid friction factor the results use
    QString rugosidad; // Rugosidad, mm
    QString dint;      // dint, mm
    QString fexacta;   // the exact Colebrook root

    bool operator==(const EstadoMoody &) const = default;
};

// Draws the chart of that state into `zona` as vectors: the window's chart, in a language, laid
// out at a screen's size and scaled to the zone, its lines cut to the plot (a PDF or a printer
// does not clip them).
void dibujarMoody(QPainter &pintor, const QRectF &zona, const EstadoMoody &e, Lengua lengua);

} // namespace vorlo
