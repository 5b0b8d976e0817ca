// Line sizing: the whole table of one standard and schedule for a flow and a fluid.
#include "fields/language.h"
#include "sizing/sizing.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

using namespace vorlo;

namespace {

// 1024 fixed pseudo-random flows of water, 1 to 5000 m3/h log-uniform, with limits of 2 m/s and
// 0,5 bar/100 m: the rows cover laminar to fully turbulent flow and the pick moves along the
// table, so no input is learnt.
std::vector<EntradaDimensionado> entradas(const QString &cedula) {
    std::vector<EntradaDimensionado> v;
    std::mt19937_64 gen(0x5eed'd111'0000'0001ULL);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < 1024; ++i) {
        EntradaDimensionado e{std::pow(10.0, std::log10(5000.0) * u(gen)),
                              998,
                              0.001,
                              0.045,
                              2.0,
                              0.5,
                              NormaTuberia::AsmeB3610M,
                              cedula};
        v.push_back(e);
    }
    return v;
}

// ASME B36.10M Sch 40, the default: 26 sizes from 1/8" to 36".
void BM_DimensionarSch40(benchmark::State &state) {
    const auto e = entradas(QStringLiteral("40"));
    std::size_t i = 0;
    for (auto _ : state) {
        Dimensionado d = dimensionar(e[i++ & 1023]);
        benchmark::DoNotOptimize(d);
    }
    state.counters["filas"] = double(dimensionar(e[0]).filas.size());
}
BENCHMARK(BM_DimensionarSch40);

// What a window does on each change: the table, every row's cells and the line under it.
void BM_DimensionarSch40ConTextos(benchmark::State &state) {
    const auto e = entradas(QStringLiteral("40"));
    std::size_t i = 0;
    for (auto _ : state) {
        const Dimensionado d = dimensionar(e[i++ & 1023]);
        for (const FilaDimensionado &f : d.filas) {
            QStringList celdas = celdasDimensionado(f, Lengua::Espanol);
            benchmark::DoNotOptimize(celdas);
        }
        TextoBilingue t = textoResultado(d);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_DimensionarSch40ConTextos);

// Every schedule of ASME B36.10M in turn (14 tables, every row of the standard), per iteration.
void BM_DimensionarTodasLasCedulas(benchmark::State &state) {
    std::vector<std::vector<EntradaDimensionado>> porCedula;
    for (const QString &c : cedulasDe(NormaTuberia::AsmeB3610M))
        porCedula.push_back(entradas(c));
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ & 1023;
        for (const auto &e : porCedula) {
            Dimensionado d = dimensionar(e[k]);
            benchmark::DoNotOptimize(d);
        }
    }
    qsizetype filas = 0;
    for (const auto &e : porCedula)
        filas += dimensionar(e[0]).filas.size();
    state.counters["filas"] = double(filas);
}
BENCHMARK(BM_DimensionarTodasLasCedulas);

} // namespace

BENCHMARK_MAIN();
