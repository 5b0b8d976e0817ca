#!/usr/bin/env bash
# Builds a release of Vorlo and its Debian package, build/package/deb/vorlo_<version>_<arch>.deb,
# then checks it: lintian (no errors), appstreamcli validate --no-net, desktop-file-validate, and
# the file types: installed into a temporary prefix, `xdg-mime query filetype` must name a case
# and a results file, and the desktop entry must be their handler. Exits non-zero when the build
# or any check fails.
# Install it with: sudo apt install ./build/package/deb/vorlo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
b=build/package
# -O2, as Debian builds its packages (CMake's Release default is -O3).
cmake -S . -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVORLO_TESTS=OFF -DVORLO_SCREENSHOTS=OFF >/dev/null
cmake --build "$b"
rm -rf "$b/deb"
(cd "$b" && cpack -G DEB >/dev/null)
deb=$(ls "$b"/deb/vorlo_*.deb)
echo "== Package: $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

echo "== desktop-file-validate"
desktop-file-validate resources/vorlo.desktop
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$b"/packaging/org.vorlo.Vorlo.metainfo.xml
echo "== lintian"
# Errors fail; warnings and notes are printed for the record.
lintian --tag-display-limit 0 "$deb" | tee "$b/lintian.txt" || true
if grep -q '^E:' "$b/lintian.txt"; then
  echo "lintian reports errors"; exit 1
fi
echo "== File types (shared-mime-info, xdg-mime)"
dpkg-deb -c "$deb" | grep -q ' ./usr/share/mime/packages/vorlo.xml$' ||
  { echo "the package lacks usr/share/mime/packages/vorlo.xml"; exit 1; }
prefijo=$(mktemp -d)
trap 'rm -rf "$prefijo"' EXIT
cmake --install "$b" --prefix "$prefijo/usr" >/dev/null
XDG_DATA_DIRS="$prefijo/usr/share" update-mime-database "$prefijo/usr/share/mime"
update-desktop-database "$prefijo/usr/share/applications"
mkdir -p "$prefijo/home" "$prefijo/config" "$prefijo/archivos"
printf '{\n    "format": "vorlo-case",\n    "version": 1\n}\n' >"$prefijo/archivos/x.vorlo"
cp "$prefijo/archivos/x.vorlo" "$prefijo/archivos/caso-sin-extension"
printf 'True\r\nFalse\r\n' >"$prefijo/archivos/x.vrq"
# Only the temporary prefix's data, no desktop's own tools: xdg-mime's generic lookup.
consultar() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
    XDG_DATA_DIRS="$prefijo/usr/share" XDG_DATA_HOME="$prefijo/home" \
    XDG_CONFIG_HOME="$prefijo/config" XDG_CONFIG_DIRS="$prefijo/config" xdg-mime query "$@"
}
esperar() { # what, expected, got
  echo "$1: $3"
  [ "$3" = "$2" ] || { echo "expected $2"; exit 1; }
}
esperar "x.vorlo" application/x-vorlo-case "$(consultar filetype "$prefijo/archivos/x.vorlo")"
esperar "a case without its extension" application/x-vorlo-case \
  "$(consultar filetype "$prefijo/archivos/caso-sin-extension")"
esperar "x.vrq" application/x-vorlo-results "$(consultar filetype "$prefijo/archivos/x.vrq")"
esperar "handler of cases" vorlo.desktop "$(consultar default application/x-vorlo-case)"
esperar "handler of results files" vorlo.desktop "$(consultar default application/x-vorlo-results)"
echo "Package built and checked: $deb"
