#pragma once

#include <QBrush>
#include <QFont>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>

class QGraphicsItem;
class QGraphicsSimpleTextItem;

namespace vorlo {

// The Moody chart's legend, drawn by the chart itself in as many rows as its entries need at
// the chart's width: the QChart legend keeps to one row and cuts what does not fit
// ("Zona de transición …"). Each entry is a small sample of what it names and its whole text.
class LeyendaMoody {
  public:
    enum class Muestra { Banda, Linea, Circulo, Rombo };

    LeyendaMoody(QGraphicsItem *padre, const QFont &fuente);

    // A new entry, hidden; returns its index.
    int anadir(Muestra muestra, const QPen &pluma, const QBrush &relleno, const QString &texto);
    void fijarTexto(int entrada, const QString &texto);
    void mostrar(int entrada, bool visible);

    // The height the shown entries take in rows within `ancho`.
    double alto(double ancho) const;
    // Lays the shown entries out in rows within `ancho`, each row centred, from `origen` down.
    void colocar(const QPointF &origen, double ancho);

  private:
    struct Entrada {
        QGraphicsItem *muestra;
        QGraphicsSimpleTextItem *texto;
        bool visible;
    };
    double anchoEntrada(const Entrada &e) const;
    double altoFila() const;
    // The shown entries, row by row, as they fit in `ancho`.
    QList<QList<const Entrada *>> filas(double ancho) const;

    QGraphicsItem *m_padre;
    QFont m_fuente;
    QList<Entrada> m_entradas;
};

} // namespace vorlo
