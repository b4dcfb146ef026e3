#!/usr/bin/env bash
# The one place where the build is configured: every script builds through
# here, so that all of them use the same flags. Installs what is missing
# first (tools/setup.sh).
#
#   bash tools/build.sh [TARGET...]
#       The development build in build/ (or $BUILD_DIR): optimised, with
#       debugging information and the tests. Without targets everything is
#       built (tests and benchmarks too); with targets only those and what
#       they need: `bash tools/build.sh qirtas` builds the program and its
#       word and sentence files.
#   bash tools/build.sh --package [FOLDER]
#       The Debian package's build in build-deb/ (or FOLDER): optimised with
#       Debian's hardening flags, without the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

if [ "${1:-}" = --package ]; then
    dir=${2:-build-deb}
    # The compiler flags are taken from the environment when the folder is
    # first configured, and kept in it from then on.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    eval "$(dpkg-buildflags --export=sh)"
    export CXXFLAGS="$CPPFLAGS $CXXFLAGS"  # CMake does not read CPPFLAGS
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQIRTAS_BUILD_TESTS=OFF >/dev/null
    cmake --build "$dir" -j"$(nproc)" >/dev/null
    exit 0
fi

dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRTAS_BUILD_TESTS=ON >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$dir" -j"$(nproc)" --target "$@"
else
    cmake --build "$dir" -j"$(nproc)"
fi
