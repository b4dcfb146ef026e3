#!/usr/bin/env bash
# Builds the tutor, starts it in a virtual X server and saves a picture of its
# window, on the Keyboard tab with a letter drill under way, as
# docs/screenshot.png (shown in the README).
# Usage: bash tools/screenshot.sh            (needs xvfb-run, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ "${1:-}" != "--in-x" ]; then
    # The tutor alone, in the build tree of tools/build.sh.
    bash tools/setup.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target qirtas
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --in-x
fi

# From here on we run inside the X server.
tmp=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Fresh settings in a scratch folder: English interface, 101-key keyboard.
export XDG_CONFIG_HOME="$tmp/config"
export XDG_DATA_HOME="$tmp/data"
mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
printf '[Normal]\nlang=en\nkeyboard=101\n' > "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"

./build/qirtas >"$tmp/log" 2>&1 &
pid=$!

wid=""
for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^Nuvari Arabic typing software$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/log" >&2; echo "the tutor quit early" >&2; exit 1; }
    sleep 0.1
done
[ -n "$wid" ] || { echo "the tutor window did not appear" >&2; exit 1; }
sleep 1

# Window position and size (no window manager: no frame to leave out).
eval "$(xdotool getwindowgeometry --shell "$wid")"

# The Keyboard tab is the first tab of the bar, which starts 140 px in; the
# Start button sits at the right end of the drill's first row.
xdotool mousemove $((X + 185)) $((Y + 20)) click 1
sleep 0.5
xdotool mousemove $((X + 555)) $((Y + 85)) click 1
# Park the pointer outside the window so no hover state shows.
xdotool mousemove 1000 760
sleep 1.2

import -window root "$tmp/root.png"
mkdir -p docs
convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
    -define png:compression-level=9 "$root/docs/screenshot.png"

xdotool windowfocus "$wid" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || { pid=""; break; }
    sleep 0.1
done
echo "wrote docs/screenshot.png (${WIDTH}x${HEIGHT})"
