#pragma once

#include "app/texts.h"
#include "gas/gas_fields.h"

#include <QStringList>

namespace vorlo {

// Every text the gas window's flags switch.
const QList<TextoControl> &textosForm2();

// Help-line hints of the gas window.
using PistaGas = TextoBilingue;
const PistaGas &pistaGeneralGas();
const PistaGas &pistaDensidadGas();
const PistaGas &pistaCaudalProceso();     // over Qproceso, mode 1
const PistaGas &pistaCaudalNormalizado(); // over Qnormales, mode 2

// Texts that stay Spanish whatever the language.
inline const QString kTituloForm2 = QStringLiteral("Vorlo - Cálculo Condiciones de Proceso");
using gas::kMensajeCeroAbsoluto;
inline const QString kPulsarUnidades = QStringLiteral("Pulsar para otras unidades");
inline const QString kTooltipLabel4 = QStringLiteral(
    "En este apartado deben de introducirse la densidad y la compresibilidad del gas. Estos dos "
    "parámetros dependen de la presión y la temperatura.");
inline const QString kTooltipLabel8 = QStringLiteral(
    "Presión Absoluta y Temperatura correspondientes a la Densidad y Compresibilidad "
    "anteriores. ");

// The help window.
inline const QString kTituloAyudaGases = QStringLiteral("Ayuda - Cálculo Gases");
const QStringList &parrafosAyudaGases();

} // namespace vorlo
