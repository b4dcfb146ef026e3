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

# Waits until the tutor has drawn its window and reads its files, which it
# does just after the first paint: from then on it takes clicks and keys.
wait_ready() { wait_output 'word.kq"' "$tmp/run.log" || fail "the tutor never read its word file"; }

# A checksum of what the part WxH+X+Y of window $1 shows (window-relative).
picture() { import -window "$1" -crop "$2" +repage png:- 2>/dev/null | md5sum; }

# The checksum of that part once two pictures in a row agree.
settled_picture() {
    local last now
    last=$(picture "$1" "$2")
    for _ in $(seq 1 50); do
        now=$(picture "$1" "$2")
        [ "$now" = "$last" ] && { echo "$now"; return 0; }
        last=$now
    done
    return 1
}

# Clicks window $1 at the window-relative point "X Y" and waits until the
# window around the point looks different: a tab selected, a box ticked, a
# button's text changed. The pointer goes there first, and the picture is
# taken once the look under the pointer has settled.
click() {
    local x=${2% *} y=${2#* } region before
    region="120x24+$((x - 60))+$((y - 12))"
    xdotool mousemove --window "$1" "$x" "$y"
    before=$(settled_picture "$1" "$region") || fail "the window keeps changing at $2"
    xdotool click 1
    for _ in $(seq 1 100); do
        [ "$(picture "$1" "$region")" != "$before" ] && return 0
        sleep 0.05
    done
    fail "a click at $2 changed nothing there"
}

# Clicks window $1 at "X Y" where the click opens a window of its own, which
# the caller waits for.
click_opening() { xdotool mousemove --window "$1" $2 click 1; }

# Gives window $1 the keyboard and waits until it has it.
focus() {
    xdotool windowfocus "$1" 2>/dev/null
    for _ in $(seq 1 100); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        sleep 0.05
    done
    fail "window $1 did not take the keyboard"
}

# Waits for a window named $1 other than the main one ($id), types $2 into
# it if given, presses Return and waits until it is gone.
answer_with_return() {
    local box
    for _ in $(seq 1 150); do
        box=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -v "^$id\$" | head -n 1)
        [ -n "$box" ] && break || sleep 0.1
    done
    [ -n "$box" ] || fail "no window '$1'"
    focus "$box"
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
    focus "$id"
    xdotool key Escape
    for _ in $(seq 1 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "program did not quit"
    wait "$pid" || fail "program exit code $?"
}
