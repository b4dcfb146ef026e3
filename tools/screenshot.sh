#!/usr/bin/env bash
# Builds the tutor, starts it in a virtual X server and saves a picture of its
# window as shown in the README:
#   bash tools/screenshot.sh            docs/screenshot.png: the Keyboard tab
#                                       with a letter drill under way
#   bash tools/screenshot.sh progress   docs/progress.png: the Progress tab
#                                       after a month of made-up letter drills,
#                                       the pointer on a key of the heat map
#                                       (needs sqlite3)
# Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
shot=${1:-keyboard}

if [ "${2:-}" != "--in-x" ]; then
    [ "$shot" != progress ] || command -v sqlite3 >/dev/null \
        || { echo "needs sqlite3 (apt-get install sqlite3)" >&2; exit 1; }
    # The tutor alone, in the build tree of tools/build.sh.
    bash tools/setup.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target qirtas
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
printf '[Normal]\nlang=%s\nkeyboard=101\n' "${QIRTAS_LANG:-en}" > "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
history="$XDG_DATA_HOME/Nuvari Soft/Qirtas/history.sqlite"

# Window-relative click points.
keyboard_tab="185 20"
start_button="555 85"
progress_tab="605 20"

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

# The tutor makes the history file when the tab first shows; then a month of
# daily drills that get faster and more accurate, most misses on a few keys.
start_tutor
xdotool mousemove --window "$wid" $progress_tab click 1
for _ in $(seq 1 50); do
    [ -f "$history" ] && break
    xdotool mousemove --window "$wid" $progress_tab click 1
    sleep 0.2
done
quit_tutor
sqlite3 "$history" <<'SQL'
WITH RECURSIVE day(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM day WHERE i < 29)
INSERT INTO drill (finished, type, keyboard, symbols, items_asked, items_done, keys_typed,
                   correct, hints, elapsed, speed, accuracy, score)
SELECT strftime('%s', 'now') - (29 - i) * 86400 - 3600, 0, 101, 0, 40, 40, 40 + k, 40, 0,
       round((40 + k) / s), s, 4000.0 / (40 + k), 600 + i * 10
FROM (SELECT i, 12 - i / 3 + abs(random() % 3) AS k, 0.6 + i * 0.05 + abs(random() % 10) / 40.0 AS s
      FROM day);
WITH letter(ch, miss) AS (VALUES ('ض', 5), ('ص', 4), ('ث', 4), ('ق', 1), ('ف', 1), ('غ', 3),
        ('ع', 1), ('ه', 1), ('خ', 2), ('ح', 2), ('ج', 1), ('د', 0), ('ش', 0), ('س', 0),
        ('ي', 0), ('ب', 0), ('ل', 0), ('ا', 0), ('ت', 0), ('ن', 0), ('م', 1), ('ك', 0),
        ('ط', 1), ('ئ', 2), ('ء', 2), ('ؤ', 3), ('ر', 0), ('لا', 1), ('ى', 1), ('ة', 0),
        ('و', 0), ('ز', 1), ('ظ', 4), ('ذ', 3))
INSERT INTO drill_char (drill, ch, presses, errors)
SELECT id, ch, 2, CASE WHEN abs(random() % 10) < miss THEN 1 ELSE 0 END FROM drill, letter;
INSERT INTO char_total SELECT ch, sum(presses), sum(errors) FROM drill_char GROUP BY ch;
SQL

start_tutor
xdotool mousemove --window "$wid" $progress_tab click 1
# The pointer on the Q key of the heat map, to show its figures.
xdotool mousemove --window "$wid" 172 313
sleep 1.8
save_window progress.png
quit_tutor
