#include "line/tabla_tramos.h"

#include "app/colours.h"
#include "app/key_filter.h"
#include "app/texts.h"
#include "fields/numbers.h"
#include "line/line_fields.h"
#include "line/line_values.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace vorlo {

namespace {

// The input cells take the numeric key filter, as the window's text boxes do.
class DelegadoNumerico : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *padre, const QStyleOptionViewItem &o,
                          const QModelIndex &i) const override {
        QWidget *w = QStyledItemDelegate::createEditor(padre, o, i);
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            auto *filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), e);
            filtro->instalar(e);
        }
        return w;
    }
};

// Room around a cell's text: the cell's margins and the grid line.
constexpr int kRelleno = 14;

QString cabecera(const Campo &c, Lengua l) {
    return c.unidad.isEmpty() ? c.rotulo.en(l)
                              : QStringLiteral("%1\n(%2)").arg(c.rotulo.en(l), c.unidad);
}

} // namespace

TablaTramos::TablaTramos(QWidget *parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("TablaTramos"));
    setColumnCount(int(linea::columnasTramo().size()));
    setItemDelegate(new DelegadoNumerico(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab is taken here, to skip the result cells
    // Columns are widened by hand when a text needs it: resizing every column to its contents
    // at each change would take most of a keystroke's time.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *i) {
        if (!m_llenando && i->column() < linea::kColumnasEntrada) {
            ensanchar(i->column(), i->text());
            emit editado();
        }
    });
    traducir(lenguaActual());
}

void TablaTramos::traducir(Lengua lengua) {
    QStringList titulos;
    for (const Campo &c : linea::columnasTramo())
        titulos << cabecera(c, lengua);
    setHorizontalHeaderLabels(titulos);
    resizeColumnsToContents();
}

QList<linea::CeldasTramo> TablaTramos::celdas() const {
    QList<linea::CeldasTramo> l;
    for (int f = 0; f < rowCount(); ++f) {
        linea::CeldasTramo c;
        for (int j = 0; j < linea::kColumnasEntrada; ++j)
            c << (item(f, j) ? item(f, j)->text() : QString());
        l << c;
    }
    return l;
}

void TablaTramos::nuevaFila(int fila, const linea::CeldasTramo &c) {
    insertRow(fila);
    for (int j = 0; j < columnCount(); ++j) {
        auto *i = new QTableWidgetItem(j < linea::kColumnasEntrada ? c.value(j) : QString());
        if (j >= linea::kColumnasEntrada) {
            i->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            i->setBackground(kColorCalculable);
        }
        i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(fila, j, i);
    }
}

void TablaTramos::fijarCeldas(const QList<linea::CeldasTramo> &celdas) {
    m_llenando = true;
    setRowCount(0);
    for (int f = 0; f < celdas.size(); ++f)
        nuevaFila(f, celdas[f]);
    resizeColumnsToContents();
    m_llenando = false;
}

void TablaTramos::ensanchar(int columna, const QString &texto) {
    const int ancho = fontMetrics().horizontalAdvance(texto) + kRelleno;
    if (ancho > columnWidth(columna))
        setColumnWidth(columna, ancho);
}

void TablaTramos::fijarResultados(const QList<linea::EstadoTramo> &estados) {
    m_llenando = true;
    const QList<Campo> &columnas = linea::columnasTramo();
    for (int f = 0; f < rowCount(); ++f) {
        for (int j = linea::kColumnasEntrada; j < columnas.size(); ++j) {
            QString t;
            if (f < estados.size())
                if (const auto x = linea::valorColumna(j, {}, estados[f]))
                    t = columnas[j].formato.aplicar(*x).value_or(QString());
            if (item(f, j)->text() != t) {
                item(f, j)->setText(t);
                ensanchar(j, t);
            }
        }
    }
    m_llenando = false;
}

void TablaTramos::agregar() {
    const int origen = currentRow() >= 0 ? currentRow() : rowCount() - 1;
    linea::CeldasTramo c = origen >= 0 ? celdas().value(origen) : linea::CeldasTramo{};
    m_llenando = true;
    nuevaFila(rowCount(), c);
    m_llenando = false;
    setCurrentCell(rowCount() - 1, 0);
    emit editado();
}

void TablaTramos::quitar() {
    const int f = currentRow() >= 0 ? currentRow() : rowCount() - 1;
    if (f < 0)
        return;
    removeRow(f);
    emit editado();
}

void TablaTramos::fijarDiametro(int fila, const QString &texto) {
    if (fila >= 0 && fila < rowCount())
        item(fila, 0)->setText(texto);
}

// Enter and Tab go to the next input cell, row after row; Delete empties an input cell.
void TablaTramos::keyPressEvent(QKeyEvent *e) {
    const bool editando = state() == QAbstractItemView::EditingState;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!editando) {
            siguienteCelda();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (!editando && currentItem() && currentColumn() < linea::kColumnasEntrada) {
            currentItem()->setText(QString());
            return;
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(e);
}

// Tab walks the input cells; from the last one the focus leaves the table.
bool TablaTramos::focusNextPrevChild(bool siguiente) {
    const bool ultima =
        currentRow() == rowCount() - 1 && currentColumn() >= linea::kColumnasEntrada - 1;
    if (!siguiente || ultima || rowCount() == 0)
        return QTableWidget::focusNextPrevChild(siguiente);
    siguienteCelda();
    return true;
}

// Enter or Tab in a cell being typed into: the text goes in and the next input cell follows.
void TablaTramos::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool siguiente = hint == QAbstractItemDelegate::EditNextItem ||
                           hint == QAbstractItemDelegate::SubmitModelCache;
    QTableWidget::closeEditor(editor, siguiente ? QAbstractItemDelegate::NoHint : hint);
    if (siguiente)
        siguienteCelda();
}

void TablaTramos::siguienteCelda() {
    if (rowCount() == 0)
        return;
    int f = std::max(currentRow(), 0);
    int c = currentColumn() + 1;
    if (c >= linea::kColumnasEntrada) {
        c = 0;
        f = (f + 1) % rowCount();
    }
    setCurrentCell(f, c);
}

} // namespace vorlo
