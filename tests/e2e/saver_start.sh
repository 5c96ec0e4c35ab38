#!/usr/bin/env bash
# The saver on a real X server: it covers the screen, shows the splash
# centred, hides the cursor, logs its start, and the first key ends it.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
export XDG_CONFIG_HOME="$E2E_TMP/config"

"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
window=$(wait_for_window VostramelSaver)
sleep 1

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$(xdotool getwindowfocus)" = "$window" ] || fail "the saver window has no keyboard focus"
[ "$(cursor_state)" = hidden ] || fail "the cursor is not hidden"

screenshot "$E2E_TMP/screen.png"
/usr/bin/convert "$E2E_TMP/screen.png" -crop 400x300+312+234 +repage "$E2E_TMP/shown.png"
/usr/bin/convert "$program/vostramelsaver.jpg" "$E2E_TMP/splash.png"
[ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/splash.png")" = 0 ] ||
  fail "the splash is not shown at 312,234"
for corner in "0 0" "1023 767" "311 233" "712 534"; do
  [ "$(pixel "$E2E_TMP/screen.png" $corner)" = "0,0,0" ] || fail "pixel $corner is not black"
done

# Without configured audio the first audio tick switches audio off.
diff <(crlf_lines "Open file" "s mode" "load loadini" "sucessfully loadini" 5000 5000 \
  "Error out in audio object" "Subscript out of range: the list has no elements" \
  "Error to play audio. VostramelSaver will disable audio play back. Please check your audio setting") \
  "$program/VostramelSaver.log" || fail "start-up log differs"
grep -q "^TOTAL_IMAGES_DISPLAY *= *0" "$XDG_CONFIG_HOME/VostramelSaver.ini" ||
  fail "the settings file was not created"

xdotool key space
expect_exit $saver 5
[ "$(cursor_state)" = visible ] || fail "the cursor is still hidden"

# A host's SIGTERM closes the saver like the system closing its window.
"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
kill -TERM $saver
expect_exit $saver 5

# Preview and other switches end at once.
"$program/VostramelSaver.scr" /p 123 &
other=$!
expect_exit $other 5
diff <(crlf_lines "Open file" "Others mode") "$program/VostramelSaver.log" || fail "/p log differs"
echo "saver start-up: passed"
