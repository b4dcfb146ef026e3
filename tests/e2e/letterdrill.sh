#!/usr/bin/env bash
# A learner's letter drill with real key events: Keyboard tab, random order
# off, Start, the keys of the first two letters held down (the server repeats
# them, and each counts once), the other 38 letters typed in drill order, the
# score recorded under the offered name, the window closed; the score must be
# in the settings.
source "$(dirname "$0")/common.bash"
printf '[Normal]\nlang=en\nkeyboard=101\nitemcount=0\n' > "$conf"

# Window-relative click points of the Keyboard tab, its "Random Mode" box,
# its Start button and the About tab.
keyboard_tab="185 20" random_box="327 88" start_button="555 85" about_tab="436 20"

start
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
wait_ready
click "$id" "$keyboard_tab"
click "$id" "$random_box"
click "$id" "$start_button" # Start turns to Stop
# Items 1..33 of the letter alphabet, then item 0, then items 1..6: forty
# keys on the US keyboard that give the letters shown.
keys='hfje[po]`v.sawq'"'"'/uytr;glk,ibdnxcz'"m"'hfje[p'
[ ${#keys} = 40 ] || fail "key list has ${#keys} keys"
for key in h f; do
    xdotool keydown $key
    sleep 0.3 # the server repeats a key held this long many times (see CMakeLists.txt)
    xdotool keyup $key
done
xdotool type --delay 30 "${keys:2}"

# The drill ends at forty and asks whether to record: Return in the question
# takes "Record", Return in the name dialog accepts the offered name.
answer_with_return "Nuvari Arabic typing software"
answer_with_return "Record Score"
click "$id" "$about_tab" # closed from a tab where no drill takes the Escape key
close_and_wait "$id" "$pid"

# The drill writes a debug line for each key it counts.
presses=$(grep -c '^Ate key press ' "$tmp/run.log")
[ "$presses" = 40 ] || fail "40 keys counted as $presses"
grep -q '^l_score_name_0=Nuvari User$' "$conf" || { cat "$conf"; fail "no recorded name"; }
score=$(sed -n 's/^l_score_value_0=//p' "$conf")
[ -n "$score" ] && [ "$score" -gt 20 ] || fail "recorded score '$score'"
echo "PASS (score $score)"
