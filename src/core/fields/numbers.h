#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

// The program's number conventions: a decimal comma and a point grouping every three digits
// ("1.234,50"), whatever the machine's locale.
namespace vorlo {

inline constexpr char16_t kRetroceso = 8; // Backspace as the key filter sees it

// Key filter of the numeric fields: a typed point becomes a comma; digits, comma, minus, the
// exponent's "e", "E" and "+", and Backspace pass; every other character is dropped (nullopt).
std::optional<QChar> filtrarTecla(QChar c);

// Key filter of the whole-number fields (counts): digits and Backspace; a comma or point, like
// every other character, is dropped (the window says why).
std::optional<QChar> filtrarTeclaEntera(QChar c);

// Reads a field text. Accepts every text the formats below write: grouping by three with
// points, no leading zero (",5", "-,5"), a trailing comma ("5,"), and an exponent ("1,8E-05",
// "1,23450e+4"); surrounding blanks are ignored. Anything else, and any value outside the
// range of a double, is not a number (nullopt). Values too small for a double read as zero.
std::optional<double> leerNumero(QStringView texto);

// Fixed n decimals with grouping and no leading zero below 1 (",5000"). nullopt when x is not
// finite, so that a result that overflows is never written.
std::optional<QString> formatoFijo(double x, int decimales);

// The plain form: up to 15 significant digits, no grouping, an exponent ("1,8198E-05") below
// 1e-4 and from 1e15 on. Also the "general text form" used for catalogue values and K totals.
std::optional<QString> formatoPlano(double x);

// `cifras` significant digits (1 to 17) with grouping and a leading zero below 1 ("998,207",
// "0,591048", "1.234,57"); an exponent below 1e-4 and from 1e15 on, as the plain form writes it
// ("1,21234E-05"). nullopt when x is not finite or `cifras` is out of range.
std::optional<QString> formatoSignificativo(double x, int cifras);

// The converter's display format, a pattern chosen by magnitude. Empty for a value that is not
// finite, or whose rounded mantissa would leave the range of a double.
QString FormatoResultado(double x);

// A number's text without the zeros that end its decimals, and without a decimal comma left
// alone ("1,2500" is "1,25", "3,000" is "3", "1,500E-05" is "1,5E-05"); a text without a comma
// is kept as it is.
QString sinCerosFinales(const QString &texto);

} // namespace vorlo
