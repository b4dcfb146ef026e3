#!/usr/bin/env bash
# Switches the interface language with real mouse clicks on the Setting tab
# and checks that the choice is in the settings file after the window closes:
# first English -> Arabic, then, in the mirrored Arabic window, back to English.
source "$(dirname "$0")/common.bash"
printf '[Normal]\nlang=en\n' > "$conf"

# Window-relative click points of the Setting tab and the language buttons;
# right to left they are mirrored.
setting_tab_ltr="455 20"
setting_tab_rtl="246 20"
radio_arabic_ltr="57 119"
radio_english_rtl="605 144"

lang() { awk -F= '/^\[/ { group = $0 } group == "[Normal]" && $1 == "lang" { print $2 }' "$conf"; }

start
id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
sleep 0.5
click "$id" "$setting_tab_ltr"
click "$id" "$radio_arabic_ltr"
close_and_wait "$id" "$pid"
[ "$(lang)" = ar ] || fail "lang is '$(lang)' after choosing Arabic"

start
id=$(wait_window --pid "$pid") || fail "Arabic tutor window not found"
sleep 0.5
[ "$(xdotool getwindowname "$id")" != "Nuvari Arabic typing software" ] || fail "window title not translated"
click "$id" "$setting_tab_rtl"
click "$id" "$radio_english_rtl"
close_and_wait "$id" "$pid"
[ "$(lang)" = en ] || fail "lang is '$(lang)' after choosing English"
echo "PASS"
