#pragma once

#include "fields/language.h"
#include "line/line.h"
#include "line/line_input.h"

#include <QList>
#include <QTableWidget>

namespace vorlo {

// The line window's segments: one row a segment, its six inputs typed in place (white) and its
// results beside them (light blue, read-only). Tab and Enter move to the next input cell,
// Delete empties the current one. Every edit is announced with the inputs' texts.
class TablaTramos : public QTableWidget {
    Q_OBJECT
  public:
    explicit TablaTramos(QWidget *parent = nullptr);

    // The inputs' texts, one list a row.
    QList<linea::CeldasTramo> celdas() const;
    // Rows for these inputs (results emptied); announces nothing.
    void fijarCeldas(const QList<linea::CeldasTramo> &celdas);
    // Each row's results as the window shows them; empty cells where there are none.
    void fijarResultados(const QList<linea::EstadoTramo> &estados);
    // A copy of the selected row (or the last) added below the rows; the current row removed.
    void agregar();
    void quitar();
    // A row's diameter cell written as typed.
    void fijarDiametro(int fila, const QString &texto);
    void traducir(Lengua lengua);

  signals:
    void editado();

  protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool focusNextPrevChild(bool siguiente) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    void nuevaFila(int fila, const linea::CeldasTramo &c);
    void siguienteCelda();
    void ensanchar(int columna, const QString &texto);
    bool m_llenando = false;
};

} // namespace vorlo
