#!/usr/bin/env bash
# Under Wine: "/c:HWND" makes the configuration dialog the named window's own,
# modal to it and centred over it, and a second "/c" brings the first dialog
# to the front and ends (the helper plays the Screen Saver Settings window).
# OK while another program holds the settings file open without delete
# sharing waits for it and saves.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb
settings=$(wine_settings)
mkdir -p "$(dirname "$settings")"
crlf_lines "[VOSTRAMELSAVER]" "TOTAL_IMAGES_DISPLAY=0" "TOTAL_AUDIOS_DISPLAY=0" "TIMER=7500" \
  >"$settings"

wine_run "$VS_HELPER" settings "$(wine_windows_path "$program/VostramelSaver.scr")" ||
  fail "the dialog is not the Settings window's"

wine_start "$program/VostramelSaver.scr" /c
config=$wine_pid
dialog=$(wait_for_window "VostramelSaver Screen Saver Configuration")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# Drawn and ready for keys: the source area's dark red frame.
wait_for_pixels 10 "$((X + 16)),$((Y + 8))=192,0,0"
holding="$E2E_TMP/holding"
wine_start "$VS_HELPER" hold "$(wine_windows_path "$settings")" >"$holding"
holder=$wine_pid
for _ in $(seq 1 100); do
  grep -q held "$holding" && break
  sleep 0.1
done
grep -q held "$holding" || fail "the helper did not get hold of the settings file"
xdotool key alt+o
expect_exit "$config" 10
expect_exit "$holder" 10
grep -q "^TIMER=8000" "$settings" || fail "OK did not save: $(cat "$settings")"
rm -f "$settings"
echo "the Settings window's dialog under Wine: passed"
