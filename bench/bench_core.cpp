#include "fields/field_texts.h"
#include "fields/language.h"
#include "pipeflow/colebrook.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

using namespace vorlo;
namespace t = vorlo::tuberia;

namespace {

struct Entrada {
    double rugosidad; // mm
    double dint;      // mm
    double re;
};

// 1024 fixed pseudo-random inputs of the kind the calculator sees: D 10..1000 mm, relative
// roughness 1e-6..0.05 (one in eight smooth), Re 4000..1e8, all log-uniform. Cycling through
// them keeps the branch predictor from learning a single input.
const std::vector<Entrada> &entradas() {
    static const std::vector<Entrada> v = [] {
        std::mt19937_64 gen(0x5eed'c01e'b200'0001ULL);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        std::vector<Entrada> e;
        for (int i = 0; i < 1024; ++i) {
            const double d = std::pow(10.0, 1 + 2 * u(gen));
            const double relativa =
                i % 8 == 0 ? 0.0 : std::pow(10.0, -6 + std::log10(5e5) * u(gen));
            const double re = std::pow(10.0, std::log10(4000.0) + std::log10(1e8 / 4000) * u(gen));
            e.push_back({relativa * d, d, re});
        }
        return e;
    }();
    return v;
}

void BM_ColebrookLiteral(benchmark::State &state) {
    const auto &e = entradas();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entrada &x = e[i++ & 1023];
        auto f = ColebrookBarrido(x.rugosidad, x.dint, x.re);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_ColebrookLiteral);

void BM_ColebrookFast(benchmark::State &state) {
    const auto &e = entradas();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entrada &x = e[i++ & 1023];
        auto f = Colebrook(x.rugosidad, x.dint, x.re);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_ColebrookFast);

// The exact root on the same inputs as the two above.
void BM_ColebrookExacto(benchmark::State &state) {
    const auto &e = entradas();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entrada &x = e[i++ & 1023];
        auto f = colebrookExacto(x.rugosidad, x.dint, x.re);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_ColebrookExacto);

// The exact root over its whole promised range: Re 2000..1e12 and relative roughness 1e-9..1,
// log-uniform, one input in eight smooth.
void BM_ColebrookExactoRangoCompleto(benchmark::State &state) {
    static const std::vector<Entrada> e = [] {
        std::mt19937_64 gen(0x5eed'c01e'b200'0002ULL);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        std::vector<Entrada> v;
        for (int i = 0; i < 1024; ++i) {
            const double d = std::pow(10.0, 1 + 2 * u(gen));
            const double relativa = i % 8 == 0 ? 0.0 : std::pow(10.0, -9 + 9 * u(gen));
            const double re = std::pow(10.0, std::log10(2000.0) + std::log10(1e12 / 2000) * u(gen));
            v.push_back({relativa * d, d, re});
        }
        return v;
    }();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entrada &x = e[i++ & 1023];
        auto f = colebrookExacto(x.rugosidad, x.dint, x.re);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_ColebrookExactoRangoCompleto);

// One evaluation of the scan's residual: the least any solver that looks at the grid pays.
void BM_Residual(benchmark::State &state) {
    const auto &e = entradas();
    const auto malla = colebrook::malla();
    std::size_t i = 0;
    for (auto _ : state) {
        const Entrada &x = e[i & 1023];
        const double f = malla[(i * 37) % malla.size()];
        ++i;
        double r = colebrook::residuo(x.rugosidad / (x.dint * 3.7), f, x.re);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Residual);

CamposMapa ejemplo() {
    return t::ejemploComoCampos();
}

void pasada(CamposTexto &c) {
    CalcularTuberia(c, kEspanol);
}

// One pass over the worked example once it has settled (the pass changes nothing).
void BM_CalcularTuberiaPass(benchmark::State &state) {
    CamposMapa c = ejemplo();
    if (!settle(c, pasada)) {
        state.SkipWithError("the worked example did not settle");
        return;
    }
    for (auto _ : state) {
        CalcularTuberia(c, kEspanol);
        benchmark::ClobberMemory();
    }
    if (c.texto(t::ffinal) != QStringLiteral(",0197"))
        state.SkipWithError("unexpected friction factor");
}
BENCHMARK(BM_CalcularTuberiaPass);

// What the user waits for after typing: one flow change, then passes until nothing changes.
void medirAsentado(benchmark::State &state, const std::function<void(CamposTexto &)> &paso) {
    CamposMapa c = ejemplo();
    if (!settle(c, paso)) {
        state.SkipWithError("the worked example did not settle");
        return;
    }
    bool alto = false;
    int pasadas = 0;
    for (auto _ : state) {
        alto = !alto;
        c.escribir(t::Qproceso, alto ? QStringLiteral("37") : QStringLiteral("36"));
        const auto n = settle(c, paso);
        if (!n) {
            state.SkipWithError("did not settle");
            break;
        }
        pasadas += *n;
    }
    state.counters["passes"] = benchmark::Counter(pasadas, benchmark::Counter::kAvgIterations);
}

void BM_SettleAfterOneChange(benchmark::State &state) {
    medirAsentado(state, pasada);
}
BENCHMARK(BM_SettleAfterOneChange);

// The same change settled in the exact mode: every result from the inputs at full precision,
// the exact Colebrook root, the unrounded values kept between passes.
void BM_SettleExactoAfterOneChange(benchmark::State &state) {
    ValoresExactos valores;
    medirAsentado(state, [&valores](CamposTexto &x) {
        CalcularTuberiaExacta(x, kEspanol, valores);
        PasoFriccionExacta(x, kEspanol, &valores);
    });
}
BENCHMARK(BM_SettleExactoAfterOneChange);

// The defined pass with its exact root beside it, as the window runs it: the fair comparison.
void BM_SettleDefinidoConRaizAfterOneChange(benchmark::State &state) {
    medirAsentado(state, [](CamposTexto &x) {
        CalcularTuberia(x, kEspanol);
        PasoFriccionExacta(x, kEspanol);
    });
}
BENCHMARK(BM_SettleDefinidoConRaizAfterOneChange);

} // namespace
