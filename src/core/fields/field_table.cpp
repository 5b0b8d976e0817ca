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

TablaCampos::TablaCampos(const TextoBilingue &titulo, const QString &etiquetaTitulo,
                         const QList<SeccionCampos> &secciones, const QList<Campo> &opciones)
    : m_titulo(titulo), m_etiquetaTitulo(etiquetaTitulo), m_secciones(secciones),
      m_opciones(opciones) {
    for (const SeccionCampos &s : m_secciones)
        m_campos += s.campos;
}

const Campo *TablaCampos::campo(const QString &nombre) const {
    for (const QList<Campo> *lista : {&m_campos, &m_opciones})
        for (const Campo &c : *lista)
            if (c.nombre == nombre)
                return &c;
    return nullptr;
}

QList<RotuloVentana> TablaCampos::rotulosVentana() const {
    QList<RotuloVentana> l;
    QStringList vistos;
    const auto anadir = [&](const QString &control, const TextoBilingue &texto) {
        if (control.isEmpty() || vistos.contains(control))
            return;
        vistos << control;
        l.append({control, texto});
    };
    anadir(m_etiquetaTitulo, m_titulo);
    for (const SeccionCampos &s : m_secciones) {
        anadir(s.etiqueta, s.titulo);
        for (const Campo &c : s.campos)
            anadir(c.etiqueta, c.rotulo);
    }
    for (const Campo &c : m_opciones)
        anadir(c.etiqueta.isEmpty() ? c.nombre : c.etiqueta, c.rotulo);
    return l;
}

QStringList TablaCampos::nombres(const std::function<bool(const Campo &)> &condicion) const {
    QStringList l;
    for (const Campo &c : m_campos)
        if (condicion(c))
            l << c.nombre;
    return l;
}

} // namespace vorlo
