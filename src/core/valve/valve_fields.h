#pragma once

#include "fields/field_table.h"
#include "fields/field_texts.h"
#include "valve/valve.h"

#include <QString>
#include <variant>

// The control valve calculator's fields: one table for the window, `vorlo valve`, the case file
// and the note. An input's key is the command's option; a result's key is its line.
namespace vorlo::valvula {

inline const QString OptionLiquidoValv = QStringLiteral("OptionLiquidoValv");
inline const QString OptionGasValv = QStringLiteral("OptionGasValv");
inline const QString QValv = QStringLiteral("QValv");
inline const QString P1Valv = QStringLiteral("P1Valv");
inline const QString P2Valv = QStringLiteral("P2Valv");
inline const QString ViscValv = QStringLiteral("ViscValv");
inline const QString DensidadValv = QStringLiteral("DensidadValv");
inline const QString PsatValv = QStringLiteral("PsatValv");
inline const QString PcValv = QStringLiteral("PcValv");
inline const QString TValv = QStringLiteral("TValv");
inline const QString MValv = QStringLiteral("MValv");
inline const QString GammaValv = QStringLiteral("GammaValv");
inline const QString ZValv = QStringLiteral("ZValv");
inline const QString EstiloValv = QStringLiteral("EstiloValv");
inline const QString FLValv = QStringLiteral("FLValv");
inline const QString FdValv = QStringLiteral("FdValv");
inline const QString xTValv = QStringLiteral("xTValv");
inline const QString DValv = QStringLiteral("DValv");
inline const QString D1Valv = QStringLiteral("D1Valv");
inline const QString D2Valv = QStringLiteral("D2Valv");
inline const QString KvNominalValv = QStringLiteral("KvNominalValv");
inline const QString KvValv = QStringLiteral("KvValv");
inline const QString CvValv = QStringLiteral("CvValv");
inline const QString EstadoValv = QStringLiteral("EstadoValv");
inline const QString DPBloqueoValv = QStringLiteral("DPBloqueoValv");
inline const QString XBloqueoValv = QStringLiteral("XBloqueoValv");
inline const QString FFValv = QStringLiteral("FFValv");
inline const QString FPValv = QStringLiteral("FPValv");
inline const QString FLPValv = QStringLiteral("FLPValv");
inline const QString YValv = QStringLiteral("YValv");
inline const QString xTPValv = QStringLiteral("xTPValv");
inline const QString FRValv = QStringLiteral("FRValv");
inline const QString ReValv = QStringLiteral("ReValv");
inline const QString RegimenValv = QStringLiteral("RegimenValv");
inline const QString AperturaValv = QStringLiteral("AperturaValv");

// Three sections: the fluid, the valve, the results. The liquid's and the gas's own inputs are
// in the fluid section; the window greys those of the other fluid.
const TablaCampos &camposValvula();

// The inputs a fluid reads (its own and the common ones), in table order.
QStringList entradasDe(Fluido fluido);

// The fluid the options choose: the gas when its option is set, else the liquid.
Fluido fluidoDe(const CamposTexto &campos);

// The data the fields hold, or why they cannot be sized yet: an input missing or not a number.
// Empty valve factors take their defaults (FL 0,9, Fd 1, xT 0,7).
std::variant<DatosValvula, ErrorValvula> leerDatos(const CamposTexto &campos);

// The number a result row holds, by the row's name; nullopt where it does not apply.
std::optional<double> valorResultado(const QString &campo, const ResultadoValvula &r);

// The window's pass: reads the inputs, sizes the valve and writes every result, or empties them
// and writes the reason in the state field (red for bad input and for a choked or flashing
// valve).
void calcularValvula(CamposTexto &campos, Lengua lengua);

} // namespace vorlo::valvula
