#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then builds the Debian
# package from the same build and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
cd ..
bash tools/package.sh build
