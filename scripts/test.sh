#!/usr/bin/env bash
# Sets up what is missing, builds Vorlo with its tests and runs them all (GUI tests offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORLO_TESTS=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2
