#!/usr/bin/env bash
# Builds a release of Vorlo and its Debian package, build/package/deb/vorlo_<version>_<arch>.deb,
# then checks it: lintian (no errors), appstreamcli validate --no-net and
# desktop-file-validate. Exits non-zero when the build or any check fails.
# Install it with: sudo apt install ./build/package/deb/vorlo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
b=build/package
cmake -S . -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLO_TESTS=OFF \
  -DVORLO_SCREENSHOTS=OFF >/dev/null
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
echo "Package built and checked: $deb"
