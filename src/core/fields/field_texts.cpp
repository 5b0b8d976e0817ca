#include "field_texts.h"

#include "numbers.h"

namespace vorlo {

std::optional<double> CamposTexto::valor(const QString &campo) const {
    const QString t = texto(campo);
    if (t.isEmpty())
        return std::nullopt;
    return leerNumero(t);
}

std::optional<double> ValoresExactos::valor(const QString &campo, const QString &texto) const {
    const auto it = m_valores.constFind(campo);
    if (it == m_valores.cend() || it->texto != texto)
        return std::nullopt;
    return it->x;
}

void ValoresExactos::guardar(const QString &campo, const QString &texto, double x) {
    m_valores.insert(campo, Valor{texto, x});
}

std::optional<double> CamposExactos::valor(const QString &campo) const {
    const QString t = m_campos.texto(campo);
    if (const auto x = m_valores.valor(campo, t))
        return x;
    if (t.isEmpty())
        return std::nullopt;
    return leerNumero(t);
}

void CamposMapa::escribir(const QString &campo, const QString &texto) {
    QString &actual = m_textos[campo];
    if (actual != texto) {
        actual = texto;
        ++m_cambios;
    }
}

void CamposMapa::escribirColor(const QString &campo, ColorNota color) {
    m_colores[campo] = color;
}

std::optional<int> settle(CamposMapa &campos, const std::function<void(CamposTexto &)> &pasada,
                          int cota) {
    for (int n = 1; n <= cota; ++n) {
        const int antes = campos.cambios();
        pasada(campos);
        if (campos.cambios() == antes)
            return n;
    }
    return std::nullopt;
}

} // namespace vorlo
