// The gas calculation settled over arbitrary texts in both modes: it settles within a fixed
// bound of passes and never writes a value that is not a number.
#include "fuzz_support.h"
#include "gas/gas_state.h"

using namespace vorlo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const int modo = (data[0] & 1) ? gas::kModoProceso : gas::kModoNormalizado;
    const QStringList t = fuzz::textos(data + 1, size - 1);
    const QStringList nombres = gas::campos();
    CamposMapa c;
    for (int i = 0; i < nombres.size(); ++i)
        c.escribir(nombres[i], i < t.size() ? t[i] : gas::textoInicial(nombres[i]));
    const auto pasadas = settle(
        c, [&](CamposTexto &x) { Calcular(x, modo); }, 8);
    if (!pasadas)
        fuzz::fallo("did not settle in 8 passes", t.join(QStringLiteral(" | ")));
    for (auto it = c.textos().cbegin(); it != c.textos().cend(); ++it)
        if (!fuzz::sinValoresInvalidos(it.value()) && !t.contains(it.value()))
            fuzz::fallo("wrote a value that is not a number", it.key() + u'=' + it.value());
    return 0;
}
