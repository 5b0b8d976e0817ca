#include "gas_checks.h"

#include "fields/input_checks.h"
#include "fields/numbers.h"
#include "gas/gas_fields.h"
#include "gas/gas_state.h"

#include <QStringList>

namespace vorlo::gas {

namespace {

bool esZ(const QString &n) {
    return n == Zref || n == Zproceso || n == Z_paraQ;
}

std::optional<TextoBilingue> avisoZ(const Campo &c, const QString &texto) {
    const auto z = leerNumero(texto);
    if (!z || *z <= 0 || (*z >= kZMinimo && *z <= kZMaximo))
        return std::nullopt;
    const QString v = formatoSignificativo(*z, 3).value_or(texto);
    return mensajeCampo(
        c.rotulo, {QStringLiteral("%1 está fuera de 0,05–5; compruébelo (se usa tal cual)").arg(v),
                   QStringLiteral("%1 is outside 0,05–5; check it (it is used as given)").arg(v)});
}

} // namespace

std::optional<TextoBilingue> avisoEntradasGas(const CamposTexto &campos) {
    QStringList es, en;
    for (const Campo &c : tabla().campos()) {
        if (c.rol != Rol::Entrada)
            continue;
        const QString t = campos.texto(c.nombre);
        auto m = problemaNumero(t, *requisito(c.nombre));
        const auto aviso = m ? std::optional(mensajeCampo(c.rotulo, *m))
                             : (esZ(c.nombre) ? avisoZ(c, t) : std::nullopt);
        if (aviso) {
            es << aviso->espanol;
            en << aviso->ingles;
        }
    }
    if (es.isEmpty())
        return std::nullopt;
    return TextoBilingue{es.join(QStringLiteral(". ")), en.join(QStringLiteral(". "))};
}

} // namespace vorlo::gas
