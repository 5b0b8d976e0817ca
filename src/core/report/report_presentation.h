#pragma once

#include "fields/language.h"
#include "report/report.h"

#include <QSet>
#include <QString>

// The note's engineering presentation: every number with the same significant digits, in the
// note language's convention (English: decimal point, comma between thousands; Spanish: decimal
// comma, point between thousands), so that a checker abroad reads each as meant and the same
// quantity agrees in every unit. The CSV keeps the window's texts and their `value_number`.
namespace vorlo::informe {

// `x` with exactly `cifras` significant digits; fixed from 0,0001 up to a thousand million,
// else with an exponent ("6.954E-05").
QString numeroIngenieria(double x, int cifras, Lengua lengua);

// A text with numbers in the window's form ("1.234,5", ",0197", "1,58760E-05"), each written in
// the language's convention; one with more than `cifras` significant digits rounded to them
// (nullopt: none rounded). Words, codes and signs around them stay as they are.
QString numerosEnConvencion(const QString &texto, Lengua lengua, std::optional<int> cifras);
// The same, leaving the digits of the numbers in `intactos` (as written) as they are.
QString numerosEnConvencion(const QString &texto, Lengua lengua, std::optional<int> cifras,
                            const QSet<QString> &intactos);
// The numbers a text holds, as written.
QSet<QString> numerosDe(const QString &texto);

// The note as its header asks it to be presented: itself when it shows the window's texts (or
// is presented already), else a copy in engineering form. A result whose unrounded value the
// note holds gets exactly the digits asked for; a typed value is never given digits it did not
// have; notes and warnings only change their numbers' convention.
Informe presentado(const Informe &inf);

} // namespace vorlo::informe
