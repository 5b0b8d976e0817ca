#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and fuzzes
# each for the given number of seconds (default 60), starting from the seed corpora in
# fuzz/corpus. Usage: scripts/fuzz.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds="${1:-60}"
shift || true
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORLO_FUZZ=ON >/dev/null
cmake --build build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  [ -d "fuzz/corpus/$t" ] && cp -r "fuzz/corpus/$t/." "$work/$t/"
  echo "== $t: $seconds s"
  "build/fuzz/fuzz/$t" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$work/$t" 2>&1 | grep -E '^(Done|stat::number_of_executed_units|property|SUMMARY|==[0-9]+==ERROR)' || true
  # libFuzzer leaves crash-* files in the current directory on a failure.
  if ls crash-* leak-* timeout-* >/dev/null 2>&1; then
    echo "fuzzing $t found a failure"; exit 1
  fi
done
