// CalcularTuberia settled over arbitrary field texts and both viscosity options: it settles
// within a fixed bound of passes and never writes a value that is not a number.
#include "fields/language.h"
#include "fuzz_support.h"
#include "pipeflow/pipe_flow.h"

using namespace vorlo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t opciones = data[0];
    const QStringList t = fuzz::textos(data + 1, size - 1);
    const QStringList nombres = {tuberia::Qproceso,    tuberia::dproceso, tuberia::vdinamica,
                                 tuberia::Vcinematica, tuberia::dint,     tuberia::Rugosidad,
                                 tuberia::L,           tuberia::Desnivel, tuberia::ktotal,
                                 tuberia::Vproceso,    tuberia::Re,       tuberia::ffinal};
    CamposMapa c;
    for (int i = 0; i < nombres.size() && i < t.size(); ++i)
        c.escribir(nombres[i], t[i]);
    c.fijarOpcion(tuberia::Option3, opciones & 1);
    c.fijarOpcion(tuberia::Option4, (opciones & 2) && !(opciones & 1));
    const QString idioma = (opciones & 4) ? kIngles : kEspanol;
    const auto pasadas = settle(
        c, [&](CamposTexto &x) { CalcularTuberia(x, idioma); }, 8);
    if (!pasadas)
        fuzz::fallo("did not settle in 8 passes", t.join(QStringLiteral(" | ")));
    if (opciones & 8)
        (void)PerdidaTramoTotal(c, idioma);
    for (auto it = c.textos().cbegin(); it != c.textos().cend(); ++it)
        if (!fuzz::sinValoresInvalidos(it.value()) && !t.contains(it.value()))
            fuzz::fallo("wrote a value that is not a number", it.key() + u'=' + it.value());
    return 0;
}
