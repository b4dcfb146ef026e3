# Shared by the end-to-end scripts (sourced, not a test of its own). They run
# inside xvfb-run with the program as $1, on the X platform whatever the
# caller's environment says, with scratch settings and data folders. Every
# program a script starts is ended when the script ends, however it ends.
set -u
exe="$1"
tmp=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null; rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=xcb
# A first start speaks the system's language when the tutor has it: here a
# language it has not, so that a first start is Chinese wherever it runs.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
conf="$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"

fail() {
    echo "FAIL: $*"
    [ -s "$tmp/run.log" ] && { echo "-- the program's last output:"; tail -n 15 "$tmp/run.log"; }
    exit 1
}

# Starts the program with the arguments given; sets pid.
start() { "$exe" "$@" >>"$tmp/run.log" 2>&1 & pid=$!; }

# Waits for a visible window found by the xdotool search arguments; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits until file $2 holds the text $1 (a line the program writes may come
# some time after its window shows).
wait_output() {
    for _ in $(seq 1 300); do
        grep -qF -- "$1" "$2" && return 0
        sleep 0.1
    done
    return 1
}

click() { xdotool mousemove --window "$1" $2 click 1; sleep 0.3; }

# Waits for a window named $1 other than the main one ($id), types $2 into
# it if given, presses Return and waits until it is gone.
answer_with_return() {
    local box
    for _ in $(seq 1 150); do
        box=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -v "^$id\$" | head -n 1)
        [ -n "$box" ] && break || sleep 0.1
    done
    [ -n "$box" ] || fail "no window '$1'"
    xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
    sleep 0.1
    [ -z "${2:-}" ] || xdotool type --delay 5 "$2"
    xdotool key Return
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$box" || return 0
        sleep 0.05
    done
    fail "window '$1' still open"
}

# Presses Escape in the window (a dialog closes on Escape, which ends the
# program and saves the tutor's settings) and waits for the process; fails
# unless it ends by itself with exit code 0.
close_and_wait() {
    local id=$1 pid=$2
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key Escape
    for _ in $(seq 1 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "program did not quit"
    wait "$pid" || fail "program exit code $?"
}
