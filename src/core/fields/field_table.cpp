#include "field_table.h"

#include "fields/numbers.h"

namespace vorlo {

std::optional<QString> Formato::aplicar(double x) const {
    switch (tipo) {
    case Fijo:
        return formatoFijo(x, cifras);
    case Plano:
        return formatoPlano(x);
    case Significativas:
        return formatoSignificativo(x, cifras);
    case ComoEscrito:
        break;
    }
    return std::nullopt;
}

const Campo *TablaCampos::campo(const QString &nombre) const {
    for (const Campo &c : m_campos)
        if (c.nombre == nombre)
            return &c;
    return nullptr;
}

QStringList TablaCampos::nombres(const std::function<bool(const Campo &)> &condicion) const {
    QStringList l;
    for (const Campo &c : m_campos)
        if (condicion(c))
            l << c.nombre;
    return l;
}

} // namespace vorlo
