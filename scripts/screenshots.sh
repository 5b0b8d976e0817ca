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
# The worked example's calculation note, which the tool wrote as note-es.pdf and note-en.pdf:
# its first page (the title block and the tables) and its second (the method and the chart).
for lang in es en; do
  if [ -f "$out/note-$lang$suffix.pdf" ]; then
    pdftoppm -r "$((100 * scale))" -png -singlefile -f 1 -l 1 "$out/note-$lang$suffix.pdf" \
      "$out/report-$lang$suffix"
    pdftoppm -r "$((100 * scale))" -png -singlefile -f 2 -l 2 "$out/note-$lang$suffix.pdf" \
      "$out/report-method-$lang$suffix"
    rm -f "$out/note-$lang$suffix.pdf"
  fi
done
echo "Screenshots in $out"
