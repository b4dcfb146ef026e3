#!/usr/bin/env bash
# Starts the real program in an X server (run inside xvfb-run), finds its
# window, checks title and size, types into it with real key events and
# quits it; then does the same for the content editor.
set -u
exe="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config"
# English interface, so the window title is the source text.
mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
printf '[Normal]\nlang=en\n' > "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
fail() { echo "FAIL: $*"; exit 1; }

# Waits for a visible window whose title is exactly $1; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Presses Escape in the window (a dialog closes on Escape) and waits for the
# process; prints its exit code.
close_with_escape() {
    local id=$1 pid=$2
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key Escape
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "program did not quit"; }
    wait "$pid"
}

# The tutor
"$exe" >"$tmp/tutor.log" 2>&1 &
pid=$!
id=$(wait_window "Nuvari Arabic typing software") || fail "tutor window not found"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 685 ] && [ "$HEIGHT" = 500 ] || fail "tutor window is ${WIDTH}x${HEIGHT}"
close_with_escape "$id" "$pid"
rc=$?
[ "$rc" = 0 ] || fail "tutor exit code $rc"
grep -q "Qirtas MainDlg" "$tmp/tutor.log" || fail "no start-up line for the tutor"
# The tutor saves its settings when it closes.
[ -f "$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf" ] || fail "no settings written at exit"

# The editor, started with "data" among other arguments
"$exe" extra data more >"$tmp/editor.log" 2>&1 &
pid=$!
id=$(wait_window "内容编辑") || fail "editor window not found"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 509 ] && [ "$HEIGHT" = 437 ] || fail "editor window is ${WIDTH}x${HEIGHT}"
close_with_escape "$id" "$pid"
rc=$?
[ "$rc" = 0 ] || fail "editor exit code $rc"
grep -q "Qirtas DataeditDlg" "$tmp/editor.log" || fail "no start-up line for the editor"
echo "PASS"
