#pragma once

#include <QString>

namespace vorlo {

inline const QString kEspanol = QStringLiteral("ESPAÑOL");
inline const QString kIngles = QStringLiteral("INGLÉS");

enum class Lengua { Espanol, Ingles };

// The one language rule: "ESPAÑOL" is Spanish; anything else, an unset setting included, is
// English, the language the program starts in.
inline Lengua lenguaDe(const QString &idioma) {
    return idioma == kEspanol ? Lengua::Espanol : Lengua::Ingles;
}

// The setting's text for a language, as the results file and the passes take it.
inline const QString &idiomaDe(Lengua lengua) {
    return lengua == Lengua::Espanol ? kEspanol : kIngles;
}

// A text in both languages: captions, notes, hints, messages.
struct TextoBilingue {
    QString espanol;
    QString ingles;

    const QString &en(Lengua lengua) const { return lengua == Lengua::Espanol ? espanol : ingles; }
    const QString &en(const QString &idioma) const { return en(lenguaDe(idioma)); }
    bool operator==(const TextoBilingue &) const = default;
};

// A text written at run time follows the language setting at the moment it is written.
inline const QString &segunIdioma(const QString &idioma, const QString &espanol,
                                  const QString &ingles) {
    return lenguaDe(idioma) == Lengua::Espanol ? espanol : ingles;
}

} // namespace vorlo
