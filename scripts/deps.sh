#!/usr/bin/env bash
# Installs the Debian 12 packages the studio needs to build, run and test, if any is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl1-mesa-dev qt6-image-formats-plugins
  libgif-dev giflib-tools libjpeg62-turbo-dev libfontconfig-dev libssl3 libbenchmark-dev
  fonts-liberation fonts-dejavu-core xvfb xauth imagemagick python3 python3-tinycss2
  desktop-file-utils appstream shared-mime-info
  nodejs liblcms2-utils poppler-utils tidy fonts-droid-fallback
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The fuzz targets need clang and its libFuzzer runtime.
if [ "${TV_FUZZ:-0}" = "1" ]; then
  for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
      SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
      $SUDO apt-get update -qq; DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$p"; }
  done
fi
