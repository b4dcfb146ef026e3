#!/usr/bin/env bash
# Switches the interface language with real mouse clicks on the Setting tab
# and checks that the choice is in the settings file after the window closes:
# first English -> Arabic, then, in the mirrored Arabic window, back to English.
# Runs inside xvfb-run; $1 is the program.
source "$(dirname "$0")/common.bash"
printf '[Normal]\nlang=en\nitemcount=3\n' > "$conf"

# Window-relative click points. The tab bar and the Setting page are laid out
# by the window tree's fixed geometry; right to left they are mirrored.
setting_tab_ltr="455 20"
setting_tab_rtl="377 20"
radio_arabic_ltr="57 119"
radio_english_rtl="605 144"

click() {
    local id=$1 x=$2 y=$3
    xdotool mousemove --window "$id" "$x" "$y" click 1
    sleep 0.3
}

# Value of a key in the [Normal] group of the settings file.
normal_value() {
    awk -F= -v key="$1" '/^\[/ { group = $0 } group == "[Normal]" && $1 == key { print $2 }' "$conf"
}

# English -> Arabic
"$exe" >"$tmp/run1.log" 2>&1 &
pid=$!
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
sleep 0.5
click "$id" $setting_tab_ltr
click "$id" $radio_arabic_ltr
close_and_wait "$id" "$pid"
[ "$(normal_value lang)" = ar ] || fail "lang is '$(normal_value lang)' after choosing Arabic"
# A language change keeps the drill length.
[ "$(normal_value itemcount)" = 3 ] || fail "itemcount is '$(normal_value itemcount)'"

# Arabic -> English: the window now opens mirrored, with an Arabic title.
"$exe" >"$tmp/run2.log" 2>&1 &
pid=$!
id=$(wait_window --pid "$pid") || fail "Arabic tutor window not found"
sleep 0.5
title=$(xdotool getwindowname "$id")
[ "$title" != "Nuvari Arabic typing software" ] || fail "window title not translated"
click "$id" $setting_tab_rtl
click "$id" $radio_english_rtl
close_and_wait "$id" "$pid"
[ "$(normal_value lang)" = en ] || fail "lang is '$(normal_value lang)' after choosing English"
echo "PASS"
