// The results-file reader over arbitrary bytes: it refuses or accepts, never crashes, and what
// it accepts is written back to the same values.
#include "fuzz_support.h"
#include "results/results_file.h"

using namespace vorlo::resultados;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto leido = interpretar(bytes);
    if (const auto *r = std::get_if<Resultados>(&leido)) {
        // A file accepted once is accepted again, with the same values, after writing it.
        const auto otra = interpretar(contenido(*r));
        const auto *r2 = std::get_if<Resultados>(&otra);
        if (!r2)
            vorlo::fuzz::fallo("a file written from accepted values was refused",
                               QString::fromLatin1(bytes.left(80)));
        if (contenido(*r2) != contenido(*r))
            vorlo::fuzz::fallo("writing accepted values twice gave other bytes",
                               QString::fromLatin1(bytes.left(80)));
    }
    return 0;
}
