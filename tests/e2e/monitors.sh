#!/usr/bin/env bash
# Two monitors: the picture is centred on the primary one, the other gets a
# black cover, and input over that cover ends the saver as over the form.
# Monitors that come while the saver runs are covered too.
. "$(dirname "$0")/lib.sh"

start_xvfb 2560x1024
two_monitors
program="$E2E_TMP/program"
install_program "$program"
/usr/bin/convert -size 400x300 xc:'#3366cc' "BMP3:$E2E_TMP/blue.bmp"
picture_settings "$E2E_TMP/blue.bmp"

blue="51,102,204" black="0,0,0" grey="128,128,128"
# The picture centred on the left monitor, black around it and on the right.
covered=(640,512=$blue 440,362=$blue 439,362=$black 1,1=$black 1279,1023=$black
  1280,0=$black 2559,1023=$black)

start_saver() {
  "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
}

start_saver
wait_for_pixels 10 "${covered[@]}"
jump_until_exit $saver 1600 500

start_saver
wait_for_pixels 10 "${covered[@]}"
xdotool mousemove 1600 500 click 1
expect_exit $saver 5

start_saver
wait_for_pixels 10 "${covered[@]}"
xdotool mousemove 2000 900 key space
expect_exit $saver 5

# A monitor gone, then back: released, then covered again.
start_saver
wait_for_pixels 10 "${covered[@]}"
xrandr --delmonitor right
wait_for_pixels 10 640,512=$blue 1280,0=$grey 2559,1023=$grey
xrandr --setmonitor right 1280/338x1024/270+1280+0 none
wait_for_pixels 10 "${covered[@]}"
kill -TERM $saver
expect_exit $saver 5
[ "$(cursor_state)" = visible ] || fail "the cursor stays hidden after SIGTERM"
echo "monitors: passed"
