#!/usr/bin/env bash
# Builds the tutor, starts it in a virtual X server and saves a picture of its
# window as shown in the README:
#   bash tools/screenshot.sh            docs/screenshot.png: the Keyboard tab
#                                       with a letter drill under way
#   bash tools/screenshot.sh progress   docs/progress.png: the Progress tab
#                                       after a month of made-up drills
#                                       (tools/samplehistory.cpp), the pointer
#                                       on a key of the heat map, whose tooltip
#                                       lists what was typed in its place
#   bash tools/screenshot.sh course     docs/course.png: the Course tab, lesson
#                                       1 typed to a pass and lesson 2 begun
#   bash tools/screenshot.sh welcome    docs/welcome.png: the welcome of a
#                                       first start (QIRTAS_LANG: its language)
# Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
shot=${1:-keyboard}

if [ "${2:-}" != "--in-x" ]; then
    # The tutor alone, in the build tree of tools/build.sh.
    targets=(qirtas)
    [ "$shot" != progress ] || targets+=(qirtas_samplehistory)
    bash tools/build.sh "${targets[@]}"
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$shot" --in-x
fi

# From here on we run inside the X server.
tmp=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Fresh settings and data folder: English interface, 101-key keyboard.
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
printf '[Normal]\nlang=%s\nkeyboard=101\nwelcomed=true\n' "${QIRTAS_LANG:-en}" > "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
if [ "$shot" = welcome ]; then
    # A first start: no settings at all, the system's language.
    rm "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
    case "${QIRTAS_LANG:-en}" in
        ar) export LANG=ar_EG.UTF-8 ;;
        cn) export LANG=zh_CN.UTF-8 ;;
        *) export LANG=en_US.UTF-8 ;;
    esac
fi

# Window-relative click points.
keyboard_tab="185 20"
start_button="555 85"
progress_tab="500 20"
course_tab="566 20"

start_tutor() {
    ./build/qirtas >"$tmp/log" 2>&1 &
    pid=$!
    wid=""
    for _ in $(seq 1 100); do
        wid=$(xdotool search --all --onlyvisible --pid "$pid" --name . 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        kill -0 "$pid" 2>/dev/null || { cat "$tmp/log" >&2; echo "the tutor quit early" >&2; exit 1; }
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "the tutor window did not appear" >&2; exit 1; }
    sleep 0.5
}

quit_tutor() {
    xdotool windowfocus "$wid" 2>/dev/null || true
    xdotool key Escape
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || { pid=""; return; }
        sleep 0.1
    done
}

# Saves the window (no window manager: no frame to leave out) as docs/$1.
save_window() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    import -window root "$tmp/root.png"
    mkdir -p docs
    convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
        -define png:compression-level=9 "$root/docs/$1"
    echo "wrote docs/$1 (${WIDTH}x${HEIGHT})"
}

if [ "$shot" = keyboard ]; then
    start_tutor
    xdotool mousemove --window "$wid" $keyboard_tab click 1
    sleep 0.5
    xdotool mousemove --window "$wid" $start_button click 1
    # Park the pointer outside the window so no hover state shows.
    xdotool mousemove 1000 760
    sleep 1.2
    save_window screenshot.png
    # Escape stops the drill, then closes the window.
    xdotool windowfocus "$wid" 2>/dev/null || true
    xdotool key Escape
    quit_tutor
    exit 0
fi

if [ "$shot" = welcome ]; then
    start_tutor
    xdotool mousemove 1000 760
    save_window welcome.png
    quit_tutor # the welcome goes, then the window
    quit_tutor
    exit 0
fi

if [ "$shot" = course ]; then
    start_tutor
    xdotool mousemove --window "$wid" $course_tab click 1
    sleep 0.5
    xdotool key space # past the home row's picture
    xdotool key space # Start
    # Each line the tutor asks for (it prints them) typed with the US keys
    # that give it on the 101 board.
    keys_for() { sed -e 's/ب/f/g; s/ت/j/g; s/ي/d/g; s/ن/k/g; s/س/s/g; s/م/l/g; s/ش/a/g; s/ك/;/g; s/ا/h/g; s/ل/g/g'; }
    type_line() { # lesson, line
        local line=""
        for _ in $(seq 1 100); do
            line=$(grep "^Course lesson $1 line $2/" "$tmp/log" | tail -n 1 || true)
            [ -n "$line" ] && break
            sleep 0.1
        done
        [ -n "$line" ] || { echo "line $2 of lesson $1 not shown" >&2; exit 1; }
        printf '%s' "${line#*: }" | keys_for
    }
    n=1
    while :; do
        xdotool type --delay 300 "$(type_line 1 $n)" # about 400 keys a minute
        total=$(grep "^Course lesson 1 line $n/" "$tmp/log" | tail -n 1 | sed 's/^[^/]*\/\([0-9]*\):.*/\1/')
        [ "$n" -ge "$total" ] && break
        n=$((n + 1))
    done
    sleep 0.5
    xdotool key space # Start lesson 2
    first=$(type_line 2 1)
    xdotool type --delay 60 "${first:0:9}"
    xdotool mousemove 1000 760
    sleep 1.2
    save_window course.png
    xdotool windowfocus "$wid" 2>/dev/null || true
    xdotool key Escape # stops the lesson, then closes the window
    quit_tutor
    exit 0
fi

# A month of drills, recorded by the history's own code.
./build/qirtas_samplehistory >/dev/null

start_tutor
xdotool mousemove --window "$wid" $progress_tab click 1
# The pointer on the Q key of the heat map (dad), to show its figures.
xdotool mousemove --window "$wid" 95 316
sleep 1.8
save_window progress.png
quit_tutor
