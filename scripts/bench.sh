#!/usr/bin/env bash
# Sets up what is missing, builds the benchmarks in release mode and runs them all, reporting
# medians: the Colebrook solver (literal scan against the fast path), one pass and a settle of
# the pipe-flow calculation, the exact Colebrook root, keystroke to settled window in both
# calculators, the Moody chart taking a new state, start-up time, idle CPU with both
# calculators and the converter open, peak memory with every window, the worked example's
# PDF report, `vorlo calc` / `vorlo report` from process start to exit, the line sizing table,
# one water or steam state per IAPWS-IF97 region, a control valve sized, a line with its pump
# and system curve, and the gas pipeline's equations.
# Usage: scripts/bench.sh [idle-seconds (default 60)]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release >/dev/null
cmake --build --preset release --target vorlo_bench_core vorlo_bench_gui vorlo_bench_moody \
  vorlo_bench_app vorlo_bench_report vorlo_bench_sizing vorlo_bench_water vorlo_bench_valve \
  vorlo_bench_line vorlo_bench_gaspipe
b=build/release/bench
opts=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)

echo "== Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "== Core calculations"
"$b/vorlo_bench_core" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Keystroke to settled window"
"$b/vorlo_bench_gui" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Moody chart taking a new state (without and with its repaint)"
"$b/vorlo_bench_moody" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Start-up to the start screen shown (5 runs)"
for _ in 1 2 3 4 5; do "$b/vorlo_bench_app" startup 2>/dev/null; done
echo "== Peak memory with every window opened once"
"$b/vorlo_bench_app" windows 2>/dev/null
echo "== Idle, both calculators and the converter open and filled"
"$b/vorlo_bench_app" idle "${1:-60}" 2>/dev/null
echo "== Reports and the case commands"
"$b/vorlo_bench_report" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Line sizing"
"$b/vorlo_bench_sizing" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Water and steam: one state per IAPWS-IF97 region"
"$b/vorlo_bench_water" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Control valve"
"$b/vorlo_bench_valve" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Line and pump"
"$b/vorlo_bench_line" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Gas pipeline"
"$b/vorlo_bench_gaspipe" "${opts[@]}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
