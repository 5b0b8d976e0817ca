#pragma once

#include <QString>
#include <optional>

namespace vorlo {

inline const QString kEspanol = QStringLiteral("ESPAÑOL");
inline const QString kIngles = QStringLiteral("INGLÉS");

// A text written at run time follows the language at the moment it is written; with any other
// setting it is not written at all (nullopt).
inline std::optional<QString> segunIdioma(const QString &idioma, const QString &espanol,
                                          const QString &ingles) {
    if (idioma == kEspanol)
        return espanol;
    if (idioma == kIngles)
        return ingles;
    return std::nullopt;
}

} // namespace vorlo
