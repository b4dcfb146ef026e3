#!/usr/bin/env bash
# Start-up benchmark: how much later than a Qt dialog showing the same
# scripts the tutor (Chinese, English and Arabic interface, first and later
# start), the content editor and the teacher's window put their window on
# screen, how much more CPU they have used by then and how much more memory
# they hold.
#
# Runs in its own virtual X server and session bus, every program once per
# round in turn (interleaved, so that a change of load touches all alike),
# after one unmeasured warm-up round. The two floors are
# tools/bench/baredialog.cpp:
#   bare dialog   a dialog of the tutor's size with one Latin label
#   scripts floor the same with one Chinese and one Arabic label: finding and
#                 shaping fonts for both scripts, which every program that
#                 shows them pays
# and a yardstick from the same program:
#   first page    the same dialog showing only what the tutor's first page
#                 (Chinese, later start) cannot do without: its texts in the
#                 tutor's fonts and its logo by the same style sheet. The
#                 least that page costs, whatever else the tutor does
# and TIPP10 (Debian's tipp10, Qt 6 widgets) when installed, as a typing
# tutor to compare with. Columns, medians over the rounds:
#   paint  ms from the start of the process to the first drawing of its
#          window reaching the X server
#   cpu    CPU ms the process had used by then (all threads); far steadier
#          than wall-clock time on a busy machine
#   rss    resident memory in MB half a second after that drawing
#   +paint +cpu +rss   the same minus the scripts floor
# and whether the margins over the scripts floor are met: 15 ms wall, 10 ms
# CPU, 8 MB ("ok", otherwise which are over).
#
# A first start has no settings: the welcome shows over the window, in the
# language of the locale (LANG). A later start keeps the settings of one.
#
# Usage: bash tools/bench_startup.sh [ROUNDS [CASE...]]
#   ROUNDS defaults to 7 (15 for a verdict worth quoting); CASE is one of
#   tipp10 cn-first cn en-first en ar-first ar editor teacher joined (the
#   English tutor of a seat in a class); all but joined by default. The two
#   floors and the first page are always measured.
#   BUILD_DIR=other-build bash tools/bench_startup.sh   measures another build;
#   QIRTAS=/path/to/qirtas bash tools/bench_startup.sh   measures that program
#   as it is (say, another version's build) against the floors built here.
# Wall-clock figures follow the machine's load: run it on a quiet machine and
# compare the cpu columns when it is not.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

if [ "${1:-}" != "--in-x" ]; then
    targets=(baredialog mapwait)
    [ -n "${QIRTAS:-}" ] || targets+=(qirtas)
    BUILD_DIR=$build bash tools/build.sh "${targets[@]}"
    # A desktop always has a session bus. Without one, the first program
    # that wakes Qt's accessibility bridge (a tab bar does) forks a child
    # that tries to start a bus, which no learner's start-up pays.
    bus=()
    if command -v dbus-run-session >/dev/null; then
        bus=(dbus-run-session --)
    else
        echo "dbus-run-session is missing (apt-get install dbus-daemon): measured without a session bus"
    fi
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${bus[@]}" bash "$0" --in-x "$@"
fi
shift
rounds=${1:-7}
shift || true
cases="bare floor page ${*:-tipp10 cn-first cn en-first en ar-first ar editor teacher}"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
log="$tmp/log"

exe=$(realpath "${QIRTAS:-$build/qirtas}")
bare=$(realpath "$build/bench/baredialog")
wait_map=$(realpath "$build/bench/mapwait")

if ! command -v tipp10 >/dev/null; then
    echo "TIPP10 is not installed (apt-get install tipp10): measured without it"
    cases=${cases//tipp10/}
fi

# The settings a case starts with ("-" for none, made afresh every run;
# "keep" for whatever the program keeps itself).
settings_of() {
    case $1 in
        cn) echo '[Normal]\nlang=cn\nwelcomed=true\n' ;;
        en) echo '[Normal]\nlang=en\nwelcomed=true\n' ;;
        ar) echo '[Normal]\nlang=ar\nwelcomed=true\n' ;;
        # A seat in a class whose server refuses at once: the link to it
        # starts once the window is on screen.
        joined) echo '[Normal]\nlang=en\nwelcomed=true\n[Class]\nserver=host=127.0.0.1 port=9 user=bench\ncode=bench\nlearner=Bench\n' ;;
        tipp10) echo keep ;;  # its own settings and database, made once
        *) echo - ;;
    esac
}

# One run of a case, in its own home: prints "map cpu paint pcpu rss_kb".
run() {
    local c=$1 home="$tmp/home-$1" settings
    settings=$(settings_of "$c")
    if [ "$settings" = keep ]; then
        mkdir -p "$home"
    elif [ "$settings" = - ] || [ ! -d "$home" ]; then
        rm -rf "$home"
        mkdir -p "$home/.config/Nuvari Soft"
        [ "$settings" = - ] || printf '%b' "$settings" > "$home/.config/Nuvari Soft/Qirtas.conf"
    fi
    local cmd
    case $c in
        bare) cmd=("$bare") ;;
        floor) cmd=("$bare" --scripts) ;;
        page) cmd=("$bare" --first-page) ;;
        tipp10) cmd=(tipp10) ;;
        cn-first | cn | en | ar | joined) cmd=("$exe") ;;
        en-first) cmd=(env LANG=en_US.UTF-8 "$exe") ;;
        ar-first) cmd=(env LANG=ar_SA.UTF-8 "$exe") ;;
        editor) cmd=("$exe" data) ;;
        teacher) cmd=("$exe" class) ;;
        *) echo "unknown case: $c" >&2; exit 2 ;;
    esac
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        "$wait_map" "${cmd[@]}" 2>>"$log" || { tail -20 "$log" >&2; echo "no window from $c" >&2; exit 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Medians of paint, pcpu and rss (MB) of a file of runs.
medians() {
    echo "$(awk '{ print $3 }' "$1" | median) $(awk '{ print $4 }' "$1" | median) $(awk '{ print $5 / 1024 }' "$1" | median)"
}

name_of() {
    case $1 in
        bare) echo "bare dialog" ;;
        floor) echo "scripts floor" ;;
        page) echo "first page (yardstick)" ;;
        tipp10) echo "TIPP10" ;;
        cn-first) echo "tutor cn, first start" ;;
        en-first) echo "tutor en, first start" ;;
        ar-first) echo "tutor ar, first start" ;;
        cn | en | ar) echo "tutor $1, later start" ;;
        joined) echo "tutor en, in a class" ;;
        editor) echo "editor" ;;
        teacher) echo "teacher's window" ;;
    esac
}

# TIPP10 makes its database on its first start, without a window for a
# long while: that is done once, unmeasured.
if [[ " $cases " == *" tipp10 "* ]]; then
    mkdir -p "$tmp/home-tipp10"
    { HOME="$tmp/home-tipp10" XDG_CONFIG_HOME="$tmp/home-tipp10/.config" XDG_DATA_HOME="$tmp/home-tipp10/.local/share" \
        timeout -s KILL 20 tipp10 >/dev/null 2>&1 || true; } 2>/dev/null
fi
for c in $cases; do run "$c" >/dev/null; : > "$tmp/runs-$c"; done
for _ in $(seq 1 "$rounds"); do
    for c in $cases; do run "$c" >> "$tmp/runs-$c"; done
done

echo "medians of $rounds interleaved rounds; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-24s %7s %7s %7s %7s %7s %7s  %s\n' "" "paint" "cpu ms" "rss MB" "+paint" "+cpu" "+rss" "margins 15/10/8"
read -r fp fc fr <<<"$(medians "$tmp/runs-floor")"
for c in $cases; do
    read -r p cpu r <<<"$(medians "$tmp/runs-$c")"
    awk -v n="$(name_of "$c")" -v p="$p" -v c="$cpu" -v r="$r" -v fp="$fp" -v fc="$fc" -v fr="$fr" -v floor="$([ "$c" = bare ] || [ "$c" = floor ] && echo 1 || echo 0)" 'BEGIN {
        dp = p - fp; dc = c - fc; dr = r - fr
        verdict = ""
        if (!floor) {
            if (dp > 15) verdict = verdict " wall"
            if (dc > 10) verdict = verdict " cpu"
            if (dr > 8) verdict = verdict " rss"
            verdict = verdict == "" ? "ok" : "over:" verdict
        }
        printf "%-24s %7.1f %7.1f %7.1f %+7.1f %+7.1f %+7.1f  %s\n", n, p, c, r, dp, dc, dr, verdict
    }'
done
