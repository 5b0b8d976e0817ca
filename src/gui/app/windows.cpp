#include "windows.h"

namespace vorlo {

void Ventanas::cerrarTodas() {
    const auto lista = m_ventanas.values();
    m_ventanas.clear();
    for (const QPointer<QWidget> &p : lista)
        delete p.data();
}

Ventanas &ventanas() {
    static Ventanas v;
    return v;
}

} // namespace vorlo
