#!/usr/bin/env bash
# Sets up, builds and starts the tutor. Extra arguments go to the program
# ("data" opens the content editor). Builds the program alone: the tests are
# built by tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh qirtas
exec ./build/qirtas "$@"
