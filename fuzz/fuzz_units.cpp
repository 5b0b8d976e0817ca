// convertiruds and FormatoResultado over arbitrary doubles and unit texts: an unknown unit gives
// 0, a round trip between two units of a kind gives the value back, and the shown text reads
// back (or is empty when the value left the range of a double).
#include "fields/numbers.h"
#include "fuzz_support.h"
#include "units/conversionuds.h"

#include <cmath>

using namespace vorlo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < sizeof(double) + 2)
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof(double));
    const uint8_t a = data[sizeof(double)];
    const uint8_t b = data[sizeof(double) + 1];
    const QStringList resto = fuzz::textos(data + sizeof(double) + 2, size - sizeof(double) - 2);

    // Arbitrary unit texts: known or not, nothing may go wrong.
    const QString desde = resto.value(0);
    const QString hacia = resto.value(1);
    const double libre = convertiruds(x, desde, hacia);
    QStringList todas;
    for (const QString &m : magnitudes())
        todas += unidadesMagnitud(m);
    if ((!todas.contains(desde) || !todas.contains(hacia)) && libre != 0)
        fuzz::fallo("an unknown unit did not give 0", desde + u'>' + hacia);

    // Two units of one kind.
    const QStringList kinds = magnitudes();
    const QStringList unidades = unidadesMagnitud(kinds[a % kinds.size()]);
    const QString u1 = unidades[(a / 8) % unidades.size()];
    const QString u2 = unidades[b % unidades.size()];
    const double y = convertiruds(x, u1, u2);
    const QString t = FormatoResultado(y);
    if (!fuzz::sinValoresInvalidos(t))
        fuzz::fallo("FormatoResultado wrote a value that is not a number", t);
    if (std::isfinite(y) != !t.isEmpty())
        fuzz::fallo("FormatoResultado empty for a finite value, or not for an infinite one", t);
    if (!t.isEmpty() && !leerNumero(t))
        fuzz::fallo("FormatoResultado does not read back", t);
    if (std::isfinite(x) && std::fabs(x) < 1e250 && std::fabs(x) > 1e-250) {
        const double vuelta = convertiruds(y, u2, u1);
        // Temperatures shift by an offset, so compare against the larger of value and offset.
        const double escala = std::fmax(std::fabs(x), 500.0);
        if (!(std::fabs(vuelta - x) <= escala * 1e-12))
            fuzz::fallo("round trip", u1 + u'>' + u2 + u' ' + QString::number(x, 'g', 17) + u' ' +
                                          QString::number(vuelta, 'g', 17));
    }
    return 0;
}
