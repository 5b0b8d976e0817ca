#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and fuzzes
# each for the given number of seconds (default 60), starting from the seed corpora in
# fuzz/corpus. Usage: scripts/fuzz.sh [seconds] [target ...]
#
# The targets run side by side, VORLO_FUZZ_JOBS at a time (default: one a core).
# Exits 1 when any target crashes, leaks, times out, runs out of memory, fails a property or
# exits non-zero (the other targets still run). The reproducer then lies in
# build/fuzz/artifacts/<target>/, the full output in build/fuzz/logs/<target>.log, and the
# script prints the command that replays it. A target's per-input time limit is
# VORLO_FUZZ_TIMEOUT seconds (default 10).
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds="${1:-60}"
shift || true
timeout_unidad="${VORLO_FUZZ_TIMEOUT:-10}"
# -O1 with line tables: what libFuzzer recommends, and quicker to build than -O2 -g.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DVORLO_FUZZ=ON >/dev/null
cmake --build build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

raiz="$PWD/build/fuzz"
fallidos=()
# The targets run side by side, one a core (VORLO_FUZZ_JOBS, default the cores there are); each
# is reported in order once all have ended.
trabajos="${VORLO_FUZZ_JOBS:-$(nproc)}"
lanzar() { # target
  local t="$1" bin="$raiz/fuzz/$1" artefactos="$raiz/artifacts/$1" corpus="$raiz/corpus/$1"
  local log="$raiz/logs/$1.log" rc=0
  # Fresh each run: the committed corpus is only read, and an old reproducer cannot be taken for
  # a new one.
  rm -rf "$artefactos" "$corpus"
  mkdir -p "$artefactos" "$corpus" "$(dirname "$log")"
  if [ -d "fuzz/corpus/$t" ]; then cp -r "fuzz/corpus/$t/." "$corpus/"; fi
  # The outer timeout only guards against a run that stops answering; libFuzzer's own per-input
  # timeout normally ends a hang first and leaves a timeout-* reproducer.
  timeout --kill-after=10 "$((seconds * 2 + timeout_unidad + 60))" \
    "$bin" -max_total_time="$seconds" -max_len=4096 -timeout="$timeout_unidad" \
    -print_final_stats=1 -artifact_prefix="$artefactos/" "$corpus" >"$log" 2>&1 || rc=$?
  echo "$rc" >"$log.rc"
}
for t in "${targets[@]}"; do
  rm -f "$raiz/logs/$t.log.rc"
  [ -x "$raiz/fuzz/$t" ] || continue
  while [ "$(jobs -rp | wc -l)" -ge "$trabajos" ]; do wait -n || true; done
  lanzar "$t" &
done
wait || true

for t in "${targets[@]}"; do
  bin="$raiz/fuzz/$t"
  artefactos="$raiz/artifacts/$t"
  log="$raiz/logs/$t.log"
  echo "== $t: $seconds s"
  if [ ! -x "$bin" ]; then
    echo "   FAILED: no fuzz target named $t"
    fallidos+=("$t")
    continue
  fi
  rc="$(cat "$log.rc" 2>/dev/null || echo 1)"
  corridas="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  # slow-unit-* files only report a slow input; the other kinds are failures.
  reproductores=("$artefactos"/crash-* "$artefactos"/leak-* "$artefactos"/timeout-* \
    "$artefactos"/oom-*)
  if [ "$rc" -ne 0 ] || [ ${#reproductores[@]} -gt 0 ]; then
    fallidos+=("$t")
    grep -E '^(property failed|SUMMARY)|==[0-9]+== ?ERROR|runtime error' "$log" | head -n 8 |
      sed 's/^/   /' || true
    echo "   FAILED: $t (exit code $rc); full output: ${log#"$PWD"/}"
    for r in "${reproductores[@]}"; do
      echo "   reproducer: ${r#"$PWD"/}"
      echo "   rerun:      ${bin#"$PWD"/} ${r#"$PWD"/}"
    done
    if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
      echo "   the run stopped answering and was ended after $((seconds * 2 + timeout_unidad + 60)) s"
    elif [ ${#reproductores[@]} -eq 0 ]; then
      echo "   no reproducer was written; see the output"
    fi
  else
    echo "   ok: ${corridas:-?} inputs run"
  fi
done

echo "== fuzzed ${#targets[@]} target(s) for $seconds s each"
if [ ${#fallidos[@]} -gt 0 ]; then
  echo "FAILED: ${fallidos[*]}"
  exit 1
fi
echo "all passed"
