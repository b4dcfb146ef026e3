#!/usr/bin/env bash
# The class server's benchmark: builds bench_class and runs it on a
# PostgreSQL 15 server of its own (started, loaded with a million drills,
# stopped again; a few minutes and about 2 GB in /tmp). Prints figures.
#
#   bash tools/bench_class.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh bench_class >/dev/null
state=${BUILD_DIR:-build}/bench/pg-bench_class
# The server goes whatever happens to the program.
trap 'bash tests/pg/pgserver.sh stop "$state"' EXIT
"${BUILD_DIR:-build}/bench/bench_class" "$state"
