#!/usr/bin/env bash
# Starts the real program in an X server, finds its window, checks title and
# size, and quits it with a real Escape key press; then the same for the
# content editor, started with "data" among other arguments.
source "$(dirname "$0")/common.bash"
# English interface, so the window title is the source text.
printf '[Normal]\nlang=en\n' > "$conf"

geometry_is() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ] || fail "window is ${WIDTH}x${HEIGHT}, not $2x$3"
}

# The tutor
"$exe" >"$tmp/tutor.log" 2>&1 &
pid=$!
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
geometry_is "$id" 685 500
close_and_wait "$id" "$pid"
grep -q "Qirtas MainDlg" "$tmp/tutor.log" || fail "no start-up line for the tutor"
# The tutor saves its settings when it closes (the file held only the language).
grep -q '^keyboard=101' "$conf" || fail "no settings written at exit"

# The editor
"$exe" extra data more >"$tmp/editor.log" 2>&1 &
pid=$!
# The editor speaks the language the tutor saved.
id=$(wait_window --name "^Content Editor\$") || fail "editor window not found"
geometry_is "$id" 509 437
close_and_wait "$id" "$pid"
grep -q "Qirtas DataeditDlg" "$tmp/editor.log" || fail "no start-up line for the editor"
echo "PASS"
