#!/usr/bin/env bash
# Drawn into a window the host names (XSCREENSAVER_WINDOW, -window-id ID) or
# into the root window (-root): the slideshow fills that window, centred on
# it and following its size, leaves everything outside alone, leaves input to
# the host, and ends with SIGTERM or with the window.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
xsetroot -solid '#808080'
program="$E2E_TMP/program"
install_program "$program"
/usr/bin/convert -size 400x300 xc:'#3366cc' "BMP3:$E2E_TMP/blue.bmp"
picture_settings "$E2E_TMP/blue.bmp"
blue="51,102,204" black="0,0,0" grey="128,128,128"

# start_host: a 640x480 window at 100,50 in $host, its id in $id.
start_host() {
  "$VS_BUILD/tests/e2e/host_window" 640 480 100 50 >"$E2E_TMP/host.id" &
  host=$!
  E2E_PIDS+=($host)
  for _ in $(seq 1 100); do
    id=$(cat "$E2E_TMP/host.id")
    [ -n "$id" ] && return 0
    sleep 0.1
  done
  fail "no host window"
}

# The host window black around the splash, centred on it; nothing else drawn.
start_host
XSCREENSAVER_WINDOW=$id "$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_splash 220 140
wait_for_pixels 5 100,50=$black 739,529=$black 99,49=$grey 740,530=$grey 0,0=$grey \
  1023,767=$grey 219,139=$black 620,440=$black
# Input is the host's: a jump, a click and a key over the window do not end
# the saver, which shows its next picture.
xdotool mousemove 300 300 mousemove 340 340 click 1 key space
wait_for_pixels 10 420,290=$blue 220,140=$blue 219,139=$black 99,49=$grey
kill -0 $saver 2>/dev/null || fail "input over the host window ended the saver"
# The host window grows: the form follows, the next picture is centred on it.
xdotool windowsize "$id" 800 600
wait_for_pixels 10 300,200=$blue 299,199=$black 899,649=$black 900,650=$grey
kill -TERM $saver
expect_exit $saver 5
kill $host

# -window-id names the window; the saver ends with it.
start_host
"$program/VostramelSaver.scr" /s -window-id "$((id))" &
saver=$!
E2E_PIDS+=($saver)
wait_for_splash 220 140
wait_for_pixels 5 100,50=$black 99,49=$grey 740,530=$grey
kill $host
expect_exit $saver 5

# -root: the whole screen, the host window on it covered.
start_host
"$program/VostramelSaver.scr" /s -root &
saver=$!
E2E_PIDS+=($saver)
wait_for_splash 312 234
wait_for_pixels 5 0,0=$black 1023,767=$black 100,50=$black
# The events Qt chose on the root window stay chosen beside the saver's own.
events=$(xwininfo -root -events)
for event in PropertyChange StructureNotify; do
  grep -qw "$event" <<<"$events" || fail "no $event events chosen on the root window"
done
kill -TERM $saver
expect_exit $saver 5
echo "window id: passed"
