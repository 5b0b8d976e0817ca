// The case reader over arbitrary bytes: it refuses or accepts, never crashes, and what it
// accepts is written and read back to the same case.
#include "cases/case_file.h"
#include "fuzz_support.h"

using namespace vorlo::caso;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto leido = interpretar(bytes);
    if (const auto *c = std::get_if<Caso>(&leido)) {
        const auto otro = interpretar(contenido(*c));
        const auto *c2 = std::get_if<Caso>(&otro);
        if (!c2)
            vorlo::fuzz::fallo("a case written from an accepted one was refused",
                               QString::fromUtf8(bytes.left(80)));
        if (!(*c2 == *c))
            vorlo::fuzz::fallo("a case written and read back differs",
                               QString::fromUtf8(bytes.left(80)));
    }
    return 0;
}
