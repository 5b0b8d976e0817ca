// Compares Colebrook with the full scan ColebrookBarrido on N seeded random inputs and prints
// the number of mismatches (bitwise, presence included). Exits 1 on any mismatch.
//
//   vorlo_colebrook_diff [N = 10000000] [seed]

#include "pipeflow/colebrook.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

using namespace vorlo;

namespace {

bool iguales(const std::optional<double> &x, const std::optional<double> &y) {
    if (x.has_value() != y.has_value())
        return false;
    return !x || std::memcmp(&*x, &*y, sizeof(double)) == 0;
}

void imprimir(const std::optional<double> &x) {
    if (x)
        std::printf("%a", *x);
    else
        std::printf("none");
}

struct Generador {
    std::mt19937_64 gen;
    std::uniform_real_distribution<double> u{0.0, 1.0};

    double logUniforme(double desde, double hasta) {
        return std::pow(10.0, std::log10(desde) + (std::log10(hasta) - std::log10(desde)) * u(gen));
    }

    // rugosidad, dint, re
    void siguiente(double &rug, double &d, double &re) {
        const auto clase = gen() % 10;
        if (clase < 7) {
            // What the calculator sees: e/D 1e-7..0.1 or smooth, Re 2000..1e9, D 1..1000 mm.
            d = logUniforme(1, 1000);
            rug = gen() % 16 == 0 ? 0.0 : logUniforme(1e-7, 0.1) * d;
            re = logUniforme(2000, 1e9);
        } else if (clase < 9) {
            // The root anywhere inside a grid cell, so also very close to a grid point or to
            // the middle of a cell: Re solved from the equation for a chosen f.
            const auto malla = colebrook::malla();
            const std::size_t i = gen() % (malla.size() - 1);
            const double f = malla[i] + (malla[i + 1] - malla[i]) * u(gen);
            const double x = 1 / std::sqrt(f);
            const double tope = std::pow(10.0, -x / 2); // a + 2.51 x / Re at the root
            const double a = gen() % 4 == 0 ? 0.0 : tope * u(gen);
            d = logUniforme(1, 1000);
            rug = a * d * 3.7;
            re = 2.51 * x / (tope - a);
        } else {
            // Far outside normal use, signs included.
            d = logUniforme(1e-3, 1e6) * (gen() % 8 == 0 ? -1 : 1);
            rug = logUniforme(1e-12, 1e3) * d * (gen() % 8 == 0 ? -1 : 1);
            re = logUniforme(1e-3, 1e300) * (gen() % 8 == 0 ? -1 : 1);
        }
    }
};

} // namespace

int main(int argc, char **argv) {
    std::uint64_t n = 10'000'000;
    std::uint64_t semilla = 0xc01eb200c01eb200ULL;
    if (argc > 1)
        n = std::strtoull(argv[1], nullptr, 10);
    if (argc > 2)
        semilla = std::strtoull(argv[2], nullptr, 0);

    Generador g{std::mt19937_64(semilla)};
    std::uint64_t distintos = 0;
    std::uint64_t sinRespuesta = 0;
    for (std::uint64_t i = 0; i < n; ++i) {
        double rug = 0;
        double d = 0;
        double re = 0;
        g.siguiente(rug, d, re);
        const auto rapido = Colebrook(rug, d, re);
        const auto barrido = ColebrookBarrido(rug, d, re);
        if (!barrido)
            ++sinRespuesta;
        if (!iguales(rapido, barrido)) {
            if (++distintos <= 20) {
                std::printf("mismatch: rugosidad=%a dint=%a re=%a fast=", rug, d, re);
                imprimir(rapido);
                std::printf(" scan=");
                imprimir(barrido);
                std::printf("\n");
            }
        }
    }
    std::printf("inputs: %" PRIu64 "  (no answer: %" PRIu64 ")  mismatches: %" PRIu64 "\n", n,
                sinRespuesta, distintos);
    return distintos == 0 ? 0 : 1;
}
