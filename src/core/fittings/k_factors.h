#pragma once

#include <QString>
#include <array>
#include <optional>

// Resistance coefficients K of the standard pipe fittings by nominal diameter.
namespace vorlo {

enum class DiametroNominal : int {
    DN10 = 10,
    DN15 = 15,
    DN20 = 20,
    DN25 = 25,
    DN32 = 32,
    DN40 = 40,
    DN50 = 50,
    DN65 = 65,
    DN80 = 80,
    DN100 = 100,
    DN150 = 150,
    DN200 = 200,
    DN250 = 250,
    DN300 = 300,
};

// The fourteen nominal diameters in ascending order.
inline constexpr std::array<DiametroNominal, 14> kDiametrosNominales = {
    DiametroNominal::DN10,  DiametroNominal::DN15,  DiametroNominal::DN20,  DiametroNominal::DN25,
    DiametroNominal::DN32,  DiametroNominal::DN40,  DiametroNominal::DN50,  DiametroNominal::DN65,
    DiametroNominal::DN80,  DiametroNominal::DN100, DiametroNominal::DN150, DiametroNominal::DN200,
    DiametroNominal::DN250, DiametroNominal::DN300,
};

constexpr int milimetros(DiametroNominal dn) {
    return static_cast<int>(dn);
}

namespace accesorios {
// Fitting rows shared by the fittings window's three control arrays: 0-9 threaded, 10-20
// flanged, 21-22 user-defined (never filled from the table).
inline constexpr int kFilas = 23;
inline constexpr int kFilasTabla = 21;
inline constexpr int kPrimeraRoscada = 0;
inline constexpr int kPrimeraBridada = 10;
inline constexpr int kPrimeraUsuario = 21;
} // namespace accesorios

// K of a fitting row (0-20) at a nominal diameter; 0 where no value is known, and for any row
// outside the table.
double TablaK(DiametroNominal dn, int fila);

// The diameter band rule: a nominal diameter, or none with the message to show. The messages
// are Spanish whatever the language of the user interface.
inline const QString kMensajeDiametroPequeno =
    QStringLiteral("Ha introducido un diámetro muy pequeño, el diámetro debe de ser superior a "
                   "9 mm. No obstante podrá introducir los valores K manualmente.");
inline const QString kMensajeDiametroGrande =
    QStringLiteral("El diametro debe ser igual o inferior a 400 mm");

struct SeleccionDiametro {
    std::optional<DiametroNominal> nominal;
    QString mensaje; // empty: nothing to show
};

// Selects the nominal diameter for an internal diameter D in mm. A D that is not a number
// selects nothing and gives no message.
SeleccionDiametro seleccionarDiametro(double d);

} // namespace vorlo
