#!/usr/bin/env bash
# Sets up what is missing, builds Vorlo with its tests and runs them all (GUI tests offscreen):
#   1. the test suite, built in debug mode with AddressSanitizer and UndefinedBehaviorSanitizer
#      (leaks detected too), so every test also checks memory and undefined behaviour;
#   2. a short run of every fuzz target (VORLO_FUZZ_SECONDS each, default 10);
#   3. the Debian package, built and checked (lintian, AppStream, desktop entry).
# Set VORLO_QUICK=1 to run the suite only, in a plain debug build (quicker to build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

if [ "${VORLO_QUICK:-0}" = "1" ]; then
  echo "== Test suite (debug build)"
  cmake --preset debug >/dev/null
  cmake --build --preset debug
  ctest --test-dir build/debug --output-on-failure -j2
  exit 0
fi

echo "== Test suite (debug build, AddressSanitizer and UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2

echo "== Fuzzing every target for ${VORLO_FUZZ_SECONDS:-10} s"
scripts/fuzz.sh "${VORLO_FUZZ_SECONDS:-10}"

echo "== Debian package"
scripts/package.sh
