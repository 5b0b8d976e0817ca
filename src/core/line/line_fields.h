#pragma once

#include "fields/field_table.h"

#include <QList>
#include <QString>

// The line and pump calculator's fields. One table serves the window, `vorlo line`, the case
// and the note: an input's key is the command's option, a result's key its output line, in
// table order. The segments are one hidden field (the window shows them as a table), whose
// columns have a table of their own.
namespace vorlo::linea {

inline const QString QLinea = QStringLiteral("QLinea");
inline const QString DensidadLinea = QStringLiteral("DensidadLinea");
inline const QString ViscLinea = QStringLiteral("ViscLinea");
inline const QString PsatLinea = QStringLiteral("PsatLinea");
inline const QString PInicio = QStringLiteral("PInicio");
inline const QString PFin = QStringLiteral("PFin");
inline const QString BombaTras = QStringLiteral("BombaTras");
inline const QString EficienciaBomba = QStringLiteral("EficienciaBomba");
inline const QString NPSHrLinea = QStringLiteral("NPSHrLinea");
inline const QString CurvaBomba = QStringLiteral("CurvaBomba");
inline const QString Tramos = QStringLiteral("Tramos");

inline const QString QLineaCalc = QStringLiteral("QLineaCalc");
inline const QString DPFriccionLinea = QStringLiteral("DPFriccionLinea");
inline const QString DPAccesoriosLinea = QStringLiteral("DPAccesoriosLinea");
inline const QString DPEstaticaLinea = QStringLiteral("DPEstaticaLinea");
inline const QString DPEquiposLinea = QStringLiteral("DPEquiposLinea");
inline const QString DPLineaTotal = QStringLiteral("DPLineaTotal");
inline const QString PFinCalc = QStringLiteral("PFinCalc");
inline const QString PSuccion = QStringLiteral("PSuccion");
inline const QString PDescarga = QStringLiteral("PDescarga");
inline const QString DPBomba = QStringLiteral("DPBomba");
inline const QString AlturaBomba = QStringLiteral("AlturaBomba");
inline const QString NPSHd = QStringLiteral("NPSHd");
inline const QString MargenNPSH = QStringLiteral("MargenNPSH");
inline const QString PotenciaHidraulica = QStringLiteral("PotenciaHidraulica");
inline const QString PotenciaEje = QStringLiteral("PotenciaEje");
inline const QString PuntoOperacion = QStringLiteral("PuntoOperacion");
inline const QString AlturaOperacion = QStringLiteral("AlturaOperacion");
inline const QString NotaLinea = QStringLiteral("NotaLinea");

// The sections of the table, by index.
enum Seccion { SeccionFluido, SeccionBomba, SeccionLinea, SeccionResultadosBomba };

// Every field: fluid and pressures, pump inputs, the line's results, the pump's results.
const TablaCampos &tabla();

// The segment table's columns: six inputs (diameter, length, rise, roughness, K, equipment
// drop) and the results. A column with a key is a column of `vorlo line --segments`, in order.
const QList<Campo> &columnasTramo();
inline constexpr int kColumnasEntrada = 6;
// The segment number's key in the CSV.
inline const QString kClaveTramo = QStringLiteral("segment");

// The pump combo's items: "No pump", then "after segment N".
TextoBilingue sinBomba();
TextoBilingue bombaTrasTramo(); // with %1 for N

// The chart's captions.
TextoBilingue tituloCurvas();
TextoBilingue ejeCaudal();
TextoBilingue ejeAltura();
TextoBilingue rotuloCurvaSistema();
TextoBilingue rotuloCurvaBomba();
TextoBilingue rotuloPuntoDiseno();
TextoBilingue rotuloPuntoOperacion();

} // namespace vorlo::linea
