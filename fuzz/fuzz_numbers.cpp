// Number reading and the three display formats: no crash, and for finite values reading what a
// format wrote gives back the value it shows.
#include "fields/numbers.h"
#include "fuzz_support.h"

#include <cmath>

using namespace vorlo;

namespace {

double mediaCifra(const QString &t, double x) {
    const int coma = t.indexOf(u',');
    const int e = t.indexOf(u'e', 0, Qt::CaseInsensitive);
    const int finMantisa = e < 0 ? t.size() : e;
    const int decimales = coma < 0 ? 0 : finMantisa - coma - 1;
    double escala = 0.5 * std::pow(10.0, -decimales);
    if (e >= 0)
        escala *= std::pow(10.0, std::floor(std::log10(std::fabs(x))));
    return escala;
}

void comprobarFormato(const char *nombre, const QString &t, double x) {
    if (!fuzz::sinValoresInvalidos(t))
        fuzz::fallo(nombre, t);
    const auto v = leerNumero(t);
    if (!v)
        fuzz::fallo(nombre, QStringLiteral("does not read back: ") + t);
    const double tolerancia = mediaCifra(t, x) * (1 + 1e-9) + std::fabs(x) * 1e-14;
    if (!(std::fabs(*v - x) <= tolerancia))
        fuzz::fallo(nombre, t + QStringLiteral(" for ") + QString::number(x, 'g', 17));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const auto v = leerNumero(texto); v && !std::isfinite(*v))
        fuzz::fallo("leerNumero gave a value that is not finite", texto);

    // The same bytes as a double, to reach every magnitude.
    double x = 0;
    if (size >= sizeof(double))
        std::memcpy(&x, data, sizeof(double));
    else if (const auto v = leerNumero(texto))
        x = *v;
    if (!std::isfinite(x)) {
        if (formatoFijo(x, 3) || formatoPlano(x) || !FormatoResultado(x).isEmpty())
            fuzz::fallo("a value that is not finite was formatted", texto);
        return 0;
    }
    const int n = size > 0 ? data[size - 1] % 9 : 4;
    comprobarFormato("formatoFijo", *formatoFijo(x, n), x);
    comprobarFormato("formatoPlano", *formatoPlano(x), x);
    comprobarFormato("FormatoResultado", FormatoResultado(x), x);
    return 0;
}
