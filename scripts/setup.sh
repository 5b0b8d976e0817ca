#!/usr/bin/env bash
# Installs the Debian 12 packages Vorlo needs to build, test and run, if any is missing.
# Works as root or through sudo; does nothing when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  libbenchmark-dev
  clang libclang-rt-14-dev lld
  xvfb xauth fonts-dejavu-core
  dpkg-dev lintian appstream desktop-file-utils poppler-utils
  shared-mime-info xdg-utils libfile-mimeinfo-perl
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
