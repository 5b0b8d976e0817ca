#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// Helpers shared by the fuzz targets.
namespace vorlo::fuzz {

// Splits the input at NUL bytes into texts (read as UTF-8), so that one input drives several
// fields.
inline QStringList textos(const uint8_t *data, std::size_t size) {
    QStringList out;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            out << QString::fromUtf8(reinterpret_cast<const char *>(data + inicio),
                                     static_cast<qsizetype>(i - inicio));
            inicio = i + 1;
        }
    }
    return out;
}

// A text must never show a value that is not a number.
inline bool sinValoresInvalidos(const QString &t) {
    return !t.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
           !t.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

[[noreturn]] inline void fallo(const char *que, const QString &detalle) {
    std::fprintf(stderr, "property failed: %s: %s\n", que, detalle.toUtf8().constData());
    std::abort();
}

} // namespace vorlo::fuzz
