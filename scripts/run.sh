#!/usr/bin/env bash
# Sets up what is missing, builds Vorlo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLO_TESTS=OFF
cmake --build build/release --target vorlo
exec build/release/vorlo "$@"
