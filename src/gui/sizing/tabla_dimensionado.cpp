#include "tabla_dimensionado.h"

#include "pipes/pipe_sizes.h"
#include "sizing/sizing.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace vorlo {

namespace {

// Space between a cell's edge and its text.
constexpr int kMargen = 4;

// The widest text each column usually holds, in the app's number forms: sizes of up to 99 999
// m/s, Re up to a billion, drops up to millions of bar per 100 m.
const QStringList &muestras() {
    static const QStringList m = [] {
        QString nominal;
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (textoNominal(t).size() > nominal.size())
                nominal = textoNominal(t);
        return QStringList{nominal,
                           QStringLiteral("9.999,99"),
                           QStringLiteral("99.999,99"),
                           QStringLiteral("999.999.999"),
                           QStringLiteral("99,9999"),
                           QStringLiteral("9.999.999"),
                           QString()};
    }();
    return m;
}

} // namespace

void CeldaDimensionado::paint(QPainter *p, const QStyleOptionViewItem &opcion,
                              const QModelIndex &indice) const {
    const bool elegida = opcion.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup grupo =
        opcion.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    if (elegida)
        p->fillRect(opcion.rect, opcion.palette.brush(grupo, QPalette::Highlight));
    else if (const QVariant fondo = indice.data(Qt::BackgroundRole); fondo.isValid())
        p->fillRect(opcion.rect, fondo.value<QBrush>());
    const QVariant color = indice.data(Qt::ForegroundRole);
    p->setPen(elegida           ? opcion.palette.color(grupo, QPalette::HighlightedText)
              : color.isValid() ? color.value<QBrush>().color()
                                : opcion.palette.color(grupo, QPalette::Text));
    const QVariant fuente = indice.data(Qt::FontRole);
    p->setFont(fuente.isValid() ? fuente.value<QFont>() : opcion.font);
    p->save();
    p->setClipRect(opcion.rect);
    p->drawText(opcion.rect.adjusted(kMargen, 0, -kMargen, 0),
                indice.data(Qt::TextAlignmentRole).toInt(), indice.data().toString());
    p->restore();
}

void fijarAnchosColumnas(QTableWidget *tabla, Lengua lengua) {
    QFont negrita = tabla->font();
    negrita.setBold(true); // the pick's row
    const QFontMetrics fm(negrita);
    const QList<ColumnaDimensionado> &columnas = columnasDimensionado();
    QHeaderView *cabecera = tabla->horizontalHeader();
    const QFontMetrics fmCabecera(cabecera->font());
    // The header's own padding around its title, as its size hint counts it.
    const int margenCabecera =
        2 * (QApplication::style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecera) + 2);
    int total = 0;
    for (int c = 0; c < columnas.size(); ++c) {
        const int titulo = fmCabecera.horizontalAdvance(columnas.at(c).titulo.en(lengua));
        const int valor = fm.horizontalAdvance(muestras().at(c));
        const int ancho = std::max(titulo + margenCabecera, valor + 2 * kMargen + 1);
        if (c < columnas.size() - 1)
            tabla->setColumnWidth(c, ancho);
        total += ancho;
    }
    // Every column in sight beside the vertical scroll bar.
    tabla->setMinimumWidth(total + 2 * tabla->frameWidth() +
                           tabla->verticalScrollBar()->sizeHint().width());
}

} // namespace vorlo
