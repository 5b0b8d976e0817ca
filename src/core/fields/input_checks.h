#pragma once

#include "fields/field_texts.h"
#include "fields/language.h"

#include <QString>
#include <QStringView>
#include <optional>

// Why a field's text cannot be used, in words the user can act on: every window reports a bad
// input the same way, with the field's caption and the reason.
namespace vorlo {

// What a quantity can be.
enum class Requisito {
    Cualquiera,       // any number (an elevation gain may be negative)
    Positivo,         // greater than zero (a flow, a density, a length)
    NoNegativo,       // zero or more (a roughness, a K)
    EnteroNoNegativo, // a whole number, zero or more (a count)
};

// Why a text is not a number: a unit or letters in it, a point where a decimal comma is
// expected, or simply not a number. nullopt when it reads as a number.
std::optional<TextoBilingue> motivoNoNumero(QStringView texto);

// Why a present text cannot be taken for a quantity with `requisito`; nullopt for an empty
// text (nothing to judge yet) and for a good one.
std::optional<TextoBilingue> problemaNumero(QStringView texto, Requisito requisito);

// Why a value cannot be taken for a quantity with `requisito`; nullopt for a good one.
std::optional<TextoBilingue> problemaValor(double x, Requisito requisito);

// "<caption>: <reason>", in both languages.
TextoBilingue mensajeCampo(const TextoBilingue &rotulo, const TextoBilingue &motivo);

// The field texts as a pass may use them: an input whose text its rule refuses reads as empty,
// so every result built on it is emptied rather than left from the last good value. Fields
// without a rule, and writes, go through unchanged.
class CamposValidos : public CamposDelegados {
  public:
    using Regla = std::optional<Requisito> (*)(const QString &campo);
    CamposValidos(CamposTexto &campos, Regla regla) : CamposDelegados(campos), m_regla(regla) {}

    QString texto(const QString &campo) const override;
    std::optional<double> valor(const QString &campo) const override;
    // Whether `campo` holds a text the pass cannot take.
    bool invalido(const QString &campo) const;

  private:
    Regla m_regla;
};

} // namespace vorlo
