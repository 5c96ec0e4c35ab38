#!/usr/bin/env bash
# The saver under Wine on a private X server: it covers the screen, shows the
# splash centred, hides the cursor, logs its start in CR LF lines, and the
# first key ends it with status 0; the system closing its window ends it too;
# preview and other switches end at once.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb
settings=$(wine_settings)
rm -f "$settings"
start_lines=("Open file" "s mode" "load loadini" "sucessfully loadini" 5000 5000
  "Error out in audio object" "Subscript out of range: the list has no elements"
  "Error to play audio. VostramelSaver will disable audio play back. Please check your audio setting")

wine_start_saver
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$(cursor_state)" = hidden ] || fail "the cursor is not hidden"

/usr/bin/convert "$program/vostramelsaver.jpg" "$E2E_TMP/splash.png"
for _ in $(seq 1 50); do
  screenshot "$E2E_TMP/screen.png"
  /usr/bin/convert "$E2E_TMP/screen.png" -crop 400x300+312+234 +repage "$E2E_TMP/shown.png"
  [ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/splash.png")" = 0 ] && break
  sleep 0.2
done
[ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/splash.png")" = 0 ] ||
  fail "the splash is not shown at 312,234, see $E2E_TMP/screen.png"
for corner in "0 0" "1023 767" "311 233" "712 534"; do
  [ "$(pixel "$E2E_TMP/screen.png" $corner)" = "0,0,0" ] || fail "pixel $corner is not black"
done

diff <(crlf_lines "${start_lines[@]}") "$log" || fail "start-up log differs"
grep -q "^TOTAL_IMAGES_DISPLAY *= *0" "$settings" || fail "the settings file was not created"

xdotool key space
expect_exit "$saver" 10
[ "$(cursor_state)" = visible ] || fail "the cursor is still hidden"

# The system closing the window (taskkill without /f sends WM_CLOSE) ends
# the saver as a key does.
wine_start_saver
wine taskkill /im VostramelSaver.scr >/dev/null 2>&1
expect_exit "$saver" 10
[ "$(cursor_state)" = visible ] || fail "the cursor is still hidden after a close"

# Preview and other switches end at once.
wine_run "$program/VostramelSaver.scr" /p 123 || fail "/p ended with status $?"
diff <(crlf_lines "Open file" "Others mode") "$log" || fail "/p log differs"
rm -f "$settings"
echo "saver start-up under Wine: passed"
