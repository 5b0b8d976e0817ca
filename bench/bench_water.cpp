#include "water/if97.h"
#include "water/water_state.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

// One water or steam state by estadoAgua (every result: IF97 properties, viscosity, saturation
// values), per region. Each benchmark cycles through 1024 fixed pseudo-random states of its
// region, so the branch predictor cannot learn one state.
namespace {

namespace a = vorlo::agua;

struct Estado {
    double tC;
    double pBar;
};

// States drawn uniformly in ºC and log-uniformly in bar over the range, kept when they fall
// in `region`. Region 3 also gets every fourth state within 1 K of saturation or of the
// critical point, where the density solver works hardest.
std::vector<Estado> estados(int region) {
    std::mt19937_64 gen(0x5eed'a9a0'0000'0000ULL + region);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<Estado> v;
    while (v.size() < 1024) {
        double tC = 2000 * u(gen);
        double pBar = std::pow(10.0, -2 + 5 * u(gen));
        if (region == 3) {
            tC = 350 + 240 * u(gen);
            pBar = 165.3 + 834.7 * u(gen);
            if (v.size() % 4 == 0) {
                pBar = 165.3 + (220.64 - 165.3) * u(gen);
                tC = a::temperaturaSaturacion(pBar / 10) - 273.15 + 2 * u(gen) - 1;
            }
        }
        if (a::region(tC + 273.15, pBar / 10) == region)
            v.push_back({tC, pBar});
    }
    return v;
}

void BM_EstadoAgua(benchmark::State &state) {
    const std::vector<Estado> e = estados(int(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const Estado &x = e[i++ & 1023];
        auto r = a::estadoAgua(x.tC, x.pBar);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_EstadoAgua)->ArgName("region")->Arg(1)->Arg(2)->Arg(3)->Arg(5);

// The density solver alone, on the same region-3 states.
void BM_DensidadRegion3(benchmark::State &state) {
    const std::vector<Estado> e = estados(3);
    std::size_t i = 0;
    for (auto _ : state) {
        const Estado &x = e[i++ & 1023];
        double rho = a::densidadRegion3(x.tC + 273.15, x.pBar / 10);
        benchmark::DoNotOptimize(rho);
    }
}
BENCHMARK(BM_DensidadRegion3);

} // namespace

BENCHMARK_MAIN();
