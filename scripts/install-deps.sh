#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; with
# --package also those that making the Debian package needs.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-dev
  libsdl2-dev libsdl2-mixer-dev zlib1g-dev libpng-dev libfreetype-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  imagemagick wesnoth-1.16-data wesnoth-1.16-music fonts-gotico-antiqua
  xvfb xauth
  desktop-file-utils appstream
)
# scripts/package.sh checks the Debian package it makes.
[ "${1:-}" = --package ] && packages+=(lintian)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
