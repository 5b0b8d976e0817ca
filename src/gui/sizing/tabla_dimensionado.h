#pragma once

#include "fields/language.h"

#include <QStyledItemDelegate>

class QTableWidget;

namespace vorlo {

// Paints a cell of the sizing table: selection or background, then its text in its colour, font
// and alignment, laid out once. The style's own item painting measures and elides each text
// two or three times more, which made a keystroke's repaint of the table's hundred cells cost
// more than the rest of the keystroke together.
class CeldaDimensionado : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion,
               const QModelIndex &indice) const override;
};

// Gives every column the width of its title in `lengua` or of the widest value it usually
// holds, whichever is wider; the last column takes what is left. Fixed widths: a keystroke
// neither measures every cell again nor makes the columns jump. A rarer, longer value is cut
// at the cell's edge, and the column can still be widened by hand.
void fijarAnchosColumnas(QTableWidget *tabla, Lengua lengua);

} // namespace vorlo
