#!/usr/bin/env bash
# A learner's first lesson with real key events: the Course tab, past the
# home-row picture, lesson 1 typed line by line as the program shows it
# (it prints each line it asks for) to a pass, its first key held down (the
# server repeats it, and it counts once); after a restart the tab starts
# lesson 2. Then a first start in an Arabic system speaks Arabic.
source "$(dirname "$0")/common.bash"
printf '[Normal]\nlang=en\nkeyboard=101\n' > "$conf"
log="$tmp/run.log"
course_tab="566 20" # window-relative, English interface

# The US keys that give lesson 1's characters on the 101 board.
keys_for() { sed -e 's/ب/f/g; s/ت/j/g; s/ي/d/g; s/ن/k/g; s/س/s/g; s/م/l/g; s/ش/a/g; s/ك/;/g'; }

# Waits until the log has a line matching the extended regular expression
# $1; prints the last such line.
wait_line() {
    for _ in $(seq 1 300); do
        grep -E -- "$1" "$log" | tail -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}

start
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
wait_ready
click "$id" "$course_tab"
xdotool key space # "Begin lesson 1" under the home-row picture
xdotool key space # Start
n=1
while :; do
    line=$(wait_line "^Course lesson 1 line $n/") || fail "line $n of lesson 1 not shown"
    total=${line#*/}; total=${total%%:*}
    text=$(printf '%s' "${line#*: }" | keys_for)
    if [ "$n" = 1 ]; then
        key=${text:0:1}
        [ "$key" = ";" ] && key=semicolon
        xdotool keydown "$key"
        sleep 0.3 # the server repeats a key held this long many times (see CMakeLists.txt)
        xdotool keyup "$key"
        text=${text:1}
    fi
    xdotool type --delay 12 "$text"
    [ "$n" -ge "$total" ] && break
    n=$((n + 1))
done
# The end of a lesson prints its figures: all typed, all right.
wait_line '^s:[0-9.]+ f:100\.00 a:100\.00' >/dev/null || fail "lesson 1 did not end typed right"
close_and_wait "$id" "$pid"

start
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found after a restart"
wait_ready
click "$id" "$course_tab"
xdotool key space # Start, on the lesson the learner is at
wait_line "^Course lesson 2 line 1/" >/dev/null || fail "lesson 2 not open after a restart"
xdotool key Escape # stops the lesson; the next one closes the window
close_and_wait "$id" "$pid"

# No language stored: an Arabic system gets the Arabic interface.
export XDG_CONFIG_HOME="$tmp/config-ar"
LANG=ar_EG.UTF-8 start
id=$(wait_window --pid "$pid") || fail "tutor window not found in an Arabic system"
# A first start: Escape answers the welcome over the window, then closes it.
focus "$id"
xdotool key Escape
close_and_wait "$id" "$pid"
conf="$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
grep -q '^lang=ar$' "$conf" || fail "a first start in Arabic did not speak Arabic"
grep -q '^welcomed=true$' "$conf" || fail "the welcome of a first start was not answered"
echo "PASS (lesson 1 in $total lines)"
