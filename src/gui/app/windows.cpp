#include "windows.h"

namespace vorlo {

void Ventanas::cerrarTodas() {
    const auto lista = m_ventanas.values();
    m_ventanas.clear();
    for (const QPointer<QWidget> &p : lista)
        delete p.data();
}

QList<QWidget *> Ventanas::existentes() const {
    QList<QWidget *> l;
    for (const QPointer<QWidget> &p : m_ventanas)
        if (p)
            l << p.data();
    return l;
}

Ventanas &ventanas() {
    static Ventanas v;
    return v;
}

} // namespace vorlo
