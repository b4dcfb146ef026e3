#!/usr/bin/env bash
# Installs the build into a scratch root as the package does (prefix /usr),
# starts the installed tutor through its link from an unrelated folder and
# checks that it found its catalogue (the first start speaks Chinese, so the
# title is translated) and its word file (a word drill starts).
source "$(dirname "$0")/common.bash"
root="$tmp/root"

DESTDIR="$root" cmake --install "$(dirname "$exe")" --prefix /usr >"$tmp/install.log" \
    || fail "install failed: $(cat "$tmp/install.log")"
link="$root/usr/bin/qirtas"
[ -L "$link" ] || fail "bin/qirtas is not a link"
case "$(readlink "$link")" in /*) fail "bin/qirtas links to an absolute path";; esac

mkdir "$tmp/elsewhere"
(cd "$tmp/elsewhere" && exec "$link") >>"$tmp/run.log" 2>&1 &
pid=$!
id=$(wait_window --pid "$pid") || fail "tutor window not found"
[ "$(xdotool getwindowname "$id")" != "Nuvari Arabic typing software" ] || fail "title not translated"
# The word file is read just after the window first shows.
wait_output '/usr/lib/qirtas/word.kq"' "$tmp/run.log" || fail "installed word file not read"
# A first start: Escape answers the welcome over the window.
focus "$id"
xdotool key Escape

# Click points and the word drill's item label, window-relative in the
# left-to-right (Chinese) layout.
word_tab="245 20"
start_button="556 84"
label() { picture "$id" 560x90+50+212; }

click "$id" "$word_tab"
before=$(label)
click "$id" "$start_button" # Start turns to Stop
for _ in $(seq 1 50); do
    [ "$(label)" != "$before" ] && break
    sleep 0.1
done
[ "$(label)" != "$before" ] || fail "the word drill did not start"
# Without words a message box would have opened.
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" = 1 ] || fail "a message box opened"
# The first Escape stops the drill, the second closes the window.
xdotool key Escape
close_and_wait "$id" "$pid"
echo "PASS"
