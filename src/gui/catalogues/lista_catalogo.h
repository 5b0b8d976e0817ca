#pragma once

#include <QListWidget>
#include <QPushButton>

// What the catalogue windows share: their list of rows and their two buttons.
namespace vorlo {

// The row the user picked in a list of `filas` rows, not merely the current one (a list that
// takes the focus gets a current row without the user having picked anything); -1 for none.
inline int filaElegida(const QListWidget *lista, qsizetype filas) {
    const QList<QListWidgetItem *> sel = lista->selectedItems();
    if (sel.isEmpty())
        return -1;
    const int fila = lista->row(sel.first());
    return fila >= 0 && fila < filas ? fila : -1;
}

// A pick shows the row's values, a double click hands them over; Aceptar waits for a pick.
template <class Catalogo>
void conectarCatalogo(Catalogo *v, QListWidget *lista, QPushButton *aceptar,
                      QPushButton *cancelar) {
    aceptar->setEnabled(false);
    QObject::connect(lista, &QListWidget::itemSelectionChanged, v, &Catalogo::List1_Click);
    QObject::connect(lista, &QListWidget::itemDoubleClicked, v, &Catalogo::List1_DblClick);
    QObject::connect(aceptar, &QPushButton::clicked, v, &Catalogo::Command1_Click);
    QObject::connect(cancelar, &QPushButton::clicked, v, &Catalogo::Cancelar_Click);
}

} // namespace vorlo
