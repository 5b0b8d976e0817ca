#!/usr/bin/env bash
# Renders every window of Vorlo, in both languages and with the worked example filled in, to
# docs/screenshots/*.png, offscreen. `scripts/screenshots.sh 2` renders at 200% instead, into
# build/screenshots-2x (for reviewing the layouts at a high scale; not committed).
set -euo pipefail
cd "$(dirname "$0")/.."
scale="${1:-1}"
scripts/setup.sh
cmake -S . -B build/shots -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLO_TESTS=OFF \
  -DVORLO_SCREENSHOTS=ON
cmake --build build/shots --target vorlo_screenshots vorlo -j2

# A large virtual screen, so that no window opens shrunk below its natural size.
conf="$(mktemp)"
trap 'rm -f "$conf"' EXIT
cat >"$conf" <<'JSON'
{ "screens": [ { "name": "Screen", "x": 0, "y": 0, "width": 3840, "height": 2400,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON

if [ "$scale" = 1 ]; then
  out=docs/screenshots
  suffix=""
else
  out="build/screenshots-${scale}x"
  suffix="@${scale}x"
fi
mkdir -p "$out"
QT_QPA_PLATFORM="offscreen:configfile=$conf" QT_SCALE_FACTOR="$scale" LC_ALL=C.UTF-8 \
  build/shots/vorlo_screenshots "$out" "$suffix" 2> >(grep -v -e 'does not support' -e 'XDG_RUNTIME_DIR' >&2)
# The first page of the worked example's report, as `vorlo report` writes it.
work="$(mktemp -d)"
trap 'rm -f "$conf"; rm -rf "$work"' EXIT
printf 'True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n\r\n\r\n0,05\r\n\r\n100\r\n5\r\n2\r\n' \
  >"$work/ejemplo.vrq"
QT_QPA_PLATFORM=offscreen build/shots/vorlo report "$work/ejemplo.vrq" -o "$work/report.pdf" \
  2> >(grep -v 'XDG_RUNTIME_DIR' >&2)
pdftoppm -r "$((100 * scale))" -png -singlefile -f 1 "$work/report.pdf" "$out/report-en$suffix"
echo "Screenshots in $out"
