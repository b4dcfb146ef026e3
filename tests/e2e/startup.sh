#!/usr/bin/env bash
# Starts the real program in an X server, finds its window, checks its size,
# and quits it with a real Escape key press; then the same for the content
# editor, started with "data" among other arguments; last the exit and the
# picture the start-up profile relies on.
source "$(dirname "$0")/common.bash"
printf '[Normal]\nlang=en\n' > "$conf" # the English title is the source text

geometry_is() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ] || fail "window is ${WIDTH}x${HEIGHT}, not $2x$3"
}

start
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
geometry_is "$id" 685 500
close_and_wait "$id" "$pid"
# The tutor saves its settings when it closes (the file held only the language).
grep -q '^keyboard=101' "$conf" || fail "no settings written at exit"

start extra data more
id=$(wait_window --name "^Content Editor\$") || fail "editor window not found" # in the language the tutor saved
geometry_is "$id" 509 437
close_and_wait "$id" "$pid"

# Asked to, the tutor ends itself once its first paint is done, before the
# work that waits for that paint (reading its word file), so that a profile
# of the start-up covers the start-up alone.
: > "$tmp/run.log"
QIRTAS_EXIT_AFTER_FIRST_PAINT=1 QIRTAS_FIRST_PAINT_IMAGE="$tmp/first.png" timeout 30 "$exe" >>"$tmp/run.log" 2>&1 || fail "the tutor did not end after its first paint"
grep -q 'Qirtas MainDlg' "$tmp/run.log" || fail "the tutor did not start"
grep -qF 'word.kq"' "$tmp/run.log" && fail "the tutor went on past its first paint"
# The picture of that paint, which a start-up cut is checked against.
file "$tmp/first.png" | grep -q 'PNG image data, 685 x 500' || fail "no picture of the first paint"
echo "PASS"
