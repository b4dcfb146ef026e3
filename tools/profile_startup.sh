#!/usr/bin/env bash
# Where the start-up's instructions go: runs the program under callgrind in
# a virtual X server up to the end of its window's first paint
# (QIRTAS_EXIT_AFTER_FIRST_PAINT) and prints the total and the functions
# with the most inclusive instructions.
#
# Usage: bash tools/profile_startup.sh CASE [LINES]
#   CASE: cn-first, cn, en-first, en, ar-first, ar (tutor, first or later
#   start, as in tools/bench_startup.sh), editor, teacher, or the floors
#   bare and floor (tools/bench/baredialog.cpp) and the yardstick page
#   (the texts and logo of the tutor's first page alone); LINES of the
#   listing (default 40). The callgrind file is kept in build/callgrind.CASE,
#   and a picture of the first paint, from a run without callgrind, in
#   build/firstpaint.CASE.png with its checksum printed: a cut that changes
#   nothing on screen leaves it the same.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ "${1:-}" != "--in-x" ]; then
    [ $# -ge 1 ] || { sed -n 2,11p "$0" >&2; exit 2; }
    BUILD_DIR=$build bash tools/build.sh qirtas baredialog >/dev/null
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --in-x "$@"
fi
shift
c=$1
lines=${2:-40}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/Nuvari Soft" "$home/run"
chmod 700 "$home/run"
exe=$build/qirtas
args=()
lang=${LANG:-C.UTF-8}
case $c in
    cn | en | ar) printf '[Normal]\nlang=%s\nwelcomed=true\n' "$c" > "$home/.config/Nuvari Soft/Qirtas.conf" ;;
    cn-first) ;;
    en-first) lang=en_US.UTF-8 ;;
    ar-first) lang=ar_SA.UTF-8 ;;
    editor) args=(data) ;;
    teacher) args=(class) ;;
    bare) exe=$build/bench/baredialog ;;
    floor) exe=$build/bench/baredialog; args=(--scripts) ;;
    page) exe=$build/bench/baredialog; args=(--first-page) ;;
    *) echo "unknown case: $c" >&2; exit 2 ;;
esac
out="$build/callgrind.$c"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run \
    LANG=$lang QIRTAS_EXIT_AFTER_FIRST_PAINT=1 \
    valgrind --tool=callgrind --callgrind-out-file="$out" "$exe" "${args[@]}" 2>"$home/log" >/dev/null \
    || { tail "$home/log" >&2; exit 1; }
picture="$build/firstpaint.$c.png"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run \
    LANG=$lang QIRTAS_EXIT_AFTER_FIRST_PAINT=1 QIRTAS_FIRST_PAINT_IMAGE="$picture" \
    "$exe" "${args[@]}" 2>/dev/null >/dev/null || true
[ ! -f "$picture" ] || echo "first paint: $picture $(md5sum < "$picture" | cut -c1-12)"
callgrind_annotate --inclusive=yes "$out" 2>/dev/null | sed -n "1,$((lines + 20))p" \
    | grep -v '^--\|^$\|^Profile\|^Events\|^Event sort\|^Threshold\|^Include\|^User\|^Auto\|^I1 \|^D1 \|^LL \|^Timerange\|^Trigger'
