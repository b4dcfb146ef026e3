#!/usr/bin/env bash
# Start-up benchmark: how much later than a bare Qt dialog of the same size
# the tutor (in its Chinese, English and Arabic interface) and the content
# editor put their window on screen, and how much more memory they hold.
#
# Runs in its own virtual X server. Per case it starts the bare dialog
# (tools/bench/baredialog.cpp) and the program alternately, ROUNDS times each
# after one unmeasured warm-up of both, and prints the medians of:
#   map    ms from the start of the process to its window being mapped
#   cpu    CPU ms the process had used by then (all threads); far steadier
#          than wall-clock time on a busy machine
#   paint  ms until the window's first drawing reached the X server
#   pcpu   CPU ms used by then
#   rss    resident memory in MB half a second after that drawing
# and the program minus the bare dialog. Every run starts from fresh
# settings (the Chinese interface is the first-start default).
#
# Usage: bash tools/bench_startup.sh [ROUNDS [CASE...]]
#   ROUNDS defaults to 7; CASE is cn, en, ar, joined (the English tutor of a
#   seat in a class) or editor (all but joined by default).
#   BUILD_DIR=other-build bash tools/bench_startup.sh   measures another build;
#   QIRTAS=/path/to/qirtas bash tools/bench_startup.sh   measures that program
#   as it is (say, another version's build) against the bare dialog built here.
# Wall-clock figures follow the machine's load: run it on a quiet machine and
# compare the cpu columns when it is not.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

if [ "${1:-}" != "--in-x" ]; then
    targets=(baredialog mapwait)
    [ -n "${QIRTAS:-}" ] || targets+=(qirtas)
    BUILD_DIR=$build bash tools/build.sh "${targets[@]}"
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --in-x "$@"
fi
shift
rounds=${1:-7}
shift || true
cases=${*:-cn en ar editor}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
log="$tmp/log"

exe=${QIRTAS:-$build/qirtas}
bare="$build/bench/baredialog"
wait_map="$build/bench/mapwait"

# One run: prints "map cpu paint pcpu rss_kb".
run() {
    "$wait_map" "$@" 2>>"$log" || { cat "$log" >&2; echo "no window from $*" >&2; exit 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Medians of the five columns of a file of runs.
medians() {
    local f=$1 out="" c
    for c in 1 2 3 4 5; do
        out="$out $(awk -v c=$c '{ print $c }' "$f" | median)"
    done
    echo "$out"
}

row() { awk -v name="$1" '{ printf "%-22s %7.1f %7.1f %7.1f %7.1f %7.1f\n", name, $1, $2, $3, $4, $5 / 1024 }'; }

# Case name, settings file content ("" for none), program arguments.
bench_case() {
    local name=$1 settings=$2
    shift 2
    export XDG_CONFIG_HOME="$tmp/config-$name"
    mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
    [ -n "$settings" ] && printf '%b' "$settings" > "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
    : > "$tmp/bare"; : > "$tmp/prog"
    run "$bare" >/dev/null; run "$exe" "$@" >/dev/null
    for _ in $(seq 1 "$rounds"); do
        run "$bare" >> "$tmp/bare"
        run "$exe" "$@" >> "$tmp/prog"
    done
    local b p
    b=$(medians "$tmp/bare")
    p=$(medians "$tmp/prog")
    echo "$b" | row "bare dialog"
    echo "$p" | row "$name"
    paste -d' ' <(echo "$p") <(echo "$b") \
        | awk '{ print $1 - $6, $2 - $7, $3 - $8, $4 - $9, $5 - $10 }' | row "  $name - bare"
}

echo "medians of $rounds rounds; load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s %7s %7s %7s %7s %7s\n' "" "map ms" "cpu ms" "paint" "pcpu" "rss MB"
for c in $cases; do
    case $c in
        cn) bench_case "tutor cn" "" ;;
        en) bench_case "tutor en" '[Normal]\nlang=en\n' ;;
        ar) bench_case "tutor ar" '[Normal]\nlang=ar\n' ;;
        # A seat in a class whose server refuses at once: the link to it
        # starts once the window is on screen.
        joined) bench_case "tutor en, in a class" \
            '[Normal]\nlang=en\n[Class]\nserver=host=127.0.0.1 port=9 user=bench\ncode=bench\nlearner=Bench\n' ;;
        editor) bench_case "editor" "" data ;;
        *) echo "unknown case: $c" >&2; exit 2 ;;
    esac
done
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
