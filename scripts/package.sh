#!/usr/bin/env bash
# Builds the game for release and makes its Debian package, then checks the
# package with lintian (errors fail the run):
#   scripts/package.sh [BUILD_DIR [CMAKE_OPTION...]]
# BUILD_DIR defaults to build/package; the options go to its first configure
# (e.g. -DCORVANTH_DATA_FROM=build/dev/game to take the packages of another
# build rather than drawing every picture again). The package is left as
# BUILD_DIR/corvanth_<version>-1_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package
build=${1:-build/package}
shift $(($# > 0 ? 1 : 0))

# Debian's hardening flags, all of them; CMake takes CFLAGS, CXXFLAGS and
# LDFLAGS from the environment when a build folder is first configured, but
# not CPPFLAGS.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake --preset release -B "$build" -DCORVANTH_TESTS=OFF -DCORVANTH_BENCH=OFF "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/corvanth_*.deb
(cd "$build" && cpack -G DEB)
lintian --info --display-info --fail-on error "$build"/corvanth_*.deb
