#pragma once

#include "fields/language.h"
#include "fittings/k_factors.h"

#include <QString>
#include <array>
#include <optional>

// K of the 21 catalogue fittings by method: the table by nominal diameter, Crane's n·fT, Hooper's
// 2-K and Darby's 3-K. Where each constant comes from: docs/fittings-methods.md.
namespace vorlo {

enum class MetodoK { Tabla, Crane, DosK, TresK };

inline constexpr std::array<MetodoK, 4> kMetodosK = {MetodoK::Tabla, MetodoK::Crane, MetodoK::DosK,
                                                     MetodoK::TresK};

// "Tabla"/"Table", "Crane (n·fT)", "2-K (Hooper)", "3-K (Darby)".
TextoBilingue nombreMetodoK(MetodoK metodo);

// The method's key on the command line and in case files: "table", "crane", "2k", "3k".
QString claveMetodoK(MetodoK metodo);
std::optional<MetodoK> metodoKDeClave(const QString &clave);

// Whether the method needs a Reynolds number (2-K and 3-K).
constexpr bool necesitaReynolds(MetodoK metodo) {
    return metodo == MetodoK::DosK || metodo == MetodoK::TresK;
}

// Why a method gives no K for a row.
enum class MotivoSinK {
    DiametroNoValido,  // D <= 0 or not finite
    ReynoldsNecesario, // 2-K or 3-K without a Reynolds number above 0 (or not finite)
    DiametroPequeno,   // the table's band: below 9 mm
    DiametroGrande,    // the table's band: above 400 mm
    FueraDeAlcance,    // the formula has no finite value there (a D of hundredths of a mm)
};

// The reason in both languages. The table's two band messages keep the window's Spanish texts.
TextoBilingue mensajeSinK(MotivoSinK motivo);

// Clean commercial steel, the roughness Crane's fT is defined for.
inline constexpr double kRugosidadCraneMm = 0.0457;
inline constexpr double kMmPorPulgada = 25.4;

// Crane's fully turbulent friction factor for an internal diameter in mm:
// fT = 0,25 / [log10(ε / (3,7·D))]². None where the log is not negative (D <= ε/3,7) or D is
// not a valid diameter.
std::optional<double> friccionCrane(double dMm);

// The nominal size in inches that Darby's 3-K reads off an internal diameter: linear on the
// ASME B36.10M schedule 40 inside diameters of the pipe catalogue (NPS 1/8 to 36), extended
// linearly past either end. May be 0 or below for D under about 4,5 mm; NaN for NaN.
double nominalDarbyPulgadas(double dMm);

// K of catalogue row `fila` (0-20) by a formula method; none for a row outside 0-20, bad input
// or no finite value.
std::optional<double> kCrane(int fila, double dMm);
std::optional<double> kDosK(int fila, double dMm, double reynolds);
std::optional<double> kTresK(int fila, double dMm, double reynolds);

struct KsPorMetodo {
    // One per catalogue row; none where the method gives no value (the table has gaps).
    std::array<std::optional<double>, accesorios::kFilasTabla> k;
    // Set when the method gave no K for any row, or for some rows through bad input; a gap of
    // the table is not a reason.
    std::optional<MotivoSinK> motivo;
    // The table's nominal diameter, for the table method.
    std::optional<DiametroNominal> nominal;
};

// K of every catalogue row by a method at internal diameter D (mm) and a Reynolds number (only
// 2-K and 3-K read it).
KsPorMetodo kPorMetodo(MetodoK metodo, double dMm, std::optional<double> reynolds);

// What the method used, for a label beside the K column, numbers in the app's form:
// "K = n·fT, fT = 0,0163 (D = 102,26 mm)", "K = K1/Re + K∞·(1 + 1/D), Re = 127.065,
// D = 4,026 in". With input the method cannot use, the reason instead.
QString descripcionMetodoK(MetodoK metodo, double dMm, std::optional<double> reynolds,
                           Lengua lengua);

} // namespace vorlo
