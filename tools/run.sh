#!/usr/bin/env bash
# Sets up, builds and starts the tutor. Extra arguments go to the program
# ("data" opens the content editor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec ./build/qirtas "$@"
