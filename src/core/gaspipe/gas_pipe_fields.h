#pragma once

#include "fields/field_table.h"
#include "gaspipe/gas_pipe.h"

#include <QString>
#include <optional>

// The gas pipeline window's fields: names, captions, units, formats, and the command line's
// keys, in one table.
namespace vorlo::gasoducto::campos {

inline const QString EcuacionGasoducto = QStringLiteral("EcuacionGasoducto");
// The heading of the table that compares the five equations, in the window and the note.
inline const TextoBilingue kTituloComparacion{QStringLiteral("COMPARACIÓN DE ECUACIONES"),
                                              QStringLiteral("EQUATIONS COMPARED")};
inline const QString SGGasoducto = QStringLiteral("SGGasoducto");
inline const QString TGasoducto = QStringLiteral("TGasoducto");
inline const QString ZGasoducto = QStringLiteral("ZGasoducto");
inline const QString GammaGasoducto = QStringLiteral("GammaGasoducto");
inline const QString ViscGasoducto = QStringLiteral("ViscGasoducto");
inline const QString DGasoducto = QStringLiteral("DGasoducto");
inline const QString LGasoducto = QStringLiteral("LGasoducto");
inline const QString RugGasoducto = QStringLiteral("RugGasoducto");
inline const QString EGasoducto = QStringLiteral("EGasoducto");
inline const QString TbGasoducto = QStringLiteral("TbGasoducto");
inline const QString PbGasoducto = QStringLiteral("PbGasoducto");
inline const QString CErosionalGasoducto = QStringLiteral("CErosionalGasoducto");
inline const QString P1Gasoducto = QStringLiteral("P1Gasoducto");
// Both are inputs by the table: the option says which one the window reads and which one it
// writes.
inline const QString QGasoducto = QStringLiteral("QGasoducto");
inline const QString P2Gasoducto = QStringLiteral("P2Gasoducto");
inline const QString MasaGasoducto = QStringLiteral("MasaGasoducto");
inline const QString Densidad1Gasoducto = QStringLiteral("Densidad1Gasoducto");
inline const QString Densidad2Gasoducto = QStringLiteral("Densidad2Gasoducto");
inline const QString V1Gasoducto = QStringLiteral("V1Gasoducto");
inline const QString V2Gasoducto = QStringLiteral("V2Gasoducto");
inline const QString SonidoGasoducto = QStringLiteral("SonidoGasoducto");
inline const QString Mach1Gasoducto = QStringLiteral("Mach1Gasoducto");
inline const QString Mach2Gasoducto = QStringLiteral("Mach2Gasoducto");
inline const QString Ve1Gasoducto = QStringLiteral("Ve1Gasoducto");
inline const QString Ve2Gasoducto = QStringLiteral("Ve2Gasoducto");
inline const QString NotaGasoducto = QStringLiteral("NotaGasoducto");
inline const QString OpcionQGasoducto = QStringLiteral("OpcionQGasoducto");
inline const QString OpcionP2Gasoducto = QStringLiteral("OpcionP2Gasoducto");

const TablaCampos &tabla();

// The choice's key of each equation ("general", "weymouth", ...) and back.
QString claveEcuacion(Ecuacion e);
std::optional<Ecuacion> ecuacionDe(const QString &clave);
// The equation's name in both languages, as the list and the comparison show it.
const TextoBilingue &nombreEcuacion(Ecuacion e);

// The texts a new window starts with: the defaults the calculation takes for an empty field.
QString textoInicial(const QString &campo);

} // namespace vorlo::gasoducto::campos
