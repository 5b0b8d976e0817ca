#include "k_factors.h"

#include <cmath>

namespace vorlo {

namespace {

// One row per fitting, one column per nominal diameter in the order of kDiametrosNominales:
// DN 10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 150, 200, 250, 300. 0 means no value known.
// Threaded fittings have values from DN 10 to DN 100, flanged ones from DN 25 to DN 300.
constexpr double kTabla[accesorios::kFilasTabla][kDiametrosNominales.size()] = {
    // Threaded
    {2.5, 2.1, 1.7, 1.5, 1.3, 1.2, 1, 0.85, 0.8, 0.7, 0, 0, 0, 0},           // 0 elbow 90
    {0, 0, 0.92, 0.78, 0.65, 0.54, 0.42, 0.35, 0.31, 0.24, 0, 0, 0, 0},      // 1 long elbow
    {0.38, 0.37, 0.35, 0.34, 0.33, 0.32, 0.31, 0.3, 0.29, 0.28, 0, 0, 0, 0}, // 2 elbow 45
    {2.5, 2.1, 1.7, 1.5, 1.3, 1.2, 1, 0.85, 0.8, 0.7, 0, 0, 0, 0},           // 3 return bend
    {0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0, 0, 0, 0},          // 4 tee line
    {2.7, 2.4, 2.1, 1.8, 1.7, 1.6, 1.4, 1.3, 1.2, 1.1, 0, 0, 0, 0},          // 5 tee branch
    {20, 14, 10, 9, 8.5, 8, 7, 6.5, 6, 5.7, 0, 0, 0, 0},                     // 6 globe
    {0.4, 0.33, 0.28, 0.24, 0.22, 0.19, 0.17, 0.16, 0.14, 0.12, 0, 0, 0, 0}, // 7 gate
    {0, 0, 6.1, 4.6, 3.6, 2.9, 2.1, 1.6, 1.3, 1, 0, 0, 0, 0},                // 8 angle
    {8, 5.5, 3.7, 3, 2.7, 2.5, 2.3, 2.2, 2.1, 2, 0, 0, 0, 0},                // 9 swing check
    // Flanged
    {0, 0, 0, 0.43, 0.41, 0.4, 0.38, 0.35, 0.34, 0.31, 0.29, 0.27, 0.25, 0.24}, // 10 elbow 90
    {0, 0, 0, 0.41, 0.37, 0.35, 0.3, 0.28, 0.25, 0.22, 0.18, 0.16, 0.14, 0.13}, // 11 long elbow
    {0, 0, 0, 0.22, 0.22, 0.21, 0.2, 0.19, 0.18, 0.18, 0.17, 0.17, 0.16, 0.16}, // 12 elbow 45
    {0, 0, 0, 0.43, 0.41, 0.4, 0.38, 0.35, 0.34, 0.31, 0.29, 0.27, 0.25, 0.24}, // 13 bend
    {0, 0, 0, 0.43, 0.38, 0.35, 0.3, 0.27, 0.25, 0.22, 0.18, 0.15, 0.14, 0.13}, // 14 long bend
    {0, 0, 0, 0.26, 0.25, 0.23, 0.2, 0.18, 0.17, 0.15, 0.12, 0.1, 0.09, 0.08},  // 15 tee line
    {0, 0, 0, 1, 0.95, 0.9, 0.84, 0.79, 0.76, 0.7, 0.62, 0.58, 0.53, 0.5},      // 16 tee branch
    {0, 0, 0, 13, 12, 10, 9, 8, 7, 6.5, 6, 5.7, 5.7, 5.7},                      // 17 globe
    {0, 0, 0, 0, 0, 0, 0.34, 0.27, 0.22, 0.16, 0.1, 0.08, 0.06, 0.05},          // 18 gate
    {0, 0, 0, 4.8, 3.7, 3, 2.5, 2.3, 2.2, 2.1, 2.1, 2.1, 2.1, 2.1},             // 19 angle
    {0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},                                 // 20 swing check
};

// Lower bounds of the bands, one per nominal diameter: the band of DN 10 starts at 9 mm.
constexpr double kDesde[kDiametrosNominales.size()] = {9,  15, 20,  25,  32,  40,  50,
                                                       65, 80, 100, 150, 200, 250, 300};
constexpr double kMinimo = 9;
constexpr double kMaximo = 400;

} // namespace

double TablaK(DiametroNominal dn, int fila) {
    if (fila < 0 || fila >= accesorios::kFilasTabla)
        return 0;
    for (std::size_t c = 0; c < kDiametrosNominales.size(); ++c)
        if (kDiametrosNominales[c] == dn)
            return kTabla[fila][c];
    return 0;
}

SeleccionDiametro seleccionarDiametro(double d) {
    if (std::isnan(d))
        return {};
    if (d < kMinimo)
        return {std::nullopt, kMensajeDiametroPequeno};
    if (d > kMaximo)
        return {std::nullopt, kMensajeDiametroGrande};
    // The largest band whose lower bound is not above D; the last band runs up to 400 mm.
    std::size_t c = 0;
    while (c + 1 < kDiametrosNominales.size() && d >= kDesde[c + 1])
        ++c;
    return {kDiametrosNominales[c], {}};
}

} // namespace vorlo
