#!/usr/bin/env bash
# The configuration dialog on a real X server: browse to a folder of pictures,
# add them all, change the display time, OK; then the saver shows them.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
export XDG_CONFIG_HOME="$E2E_TMP/config"
pictures="$E2E_TMP/start/pictures"
mkdir -p "$pictures"
for colour in red lime blue; do
  /usr/bin/convert -size 200x150 "xc:$colour" "BMP3:$pictures/${colour^^}.BMP"
done

# Pixels inside the dialog, from the design at 15 twips to the pixel.
click_at() {
  xdotool mousemove --window "$dialog" "$1" "$2" click 1
  sleep 0.3
}

(cd "$E2E_TMP/start" && exec "$program/VostramelSaver.scr" /c) &
config=$!
E2E_PIDS+=($config)
dialog=$(wait_for_window "VostramelSaver Screen Saver Configuration")
sleep 0.5

click_at 100 92                      # Dir1: select its first entry
xdotool key End Return               # open the last entry, the only subdirectory
sleep 0.3
click_at 272 212                     # Add All
click_at 360 343                     # vsTimer's lower arrow: 5 -> 6
click_at 120 364                     # OK
expect_exit $config 5

ini="$XDG_CONFIG_HOME/VostramelSaver.ini"
grep -q "^TOTAL_IMAGES_DISPLAY *= *3" "$ini" || fail "image count not saved"
grep -q "^IMAGES_FILE_0 *= *$pictures/BLUE.BMP" "$ini" || fail "first image not saved"
grep -q "^IMAGES_FILE_2 *= *$pictures/RED.BMP" "$ini" || fail "last image not saved"
grep -q "^TOTAL_AUDIOS_DISPLAY *= *0" "$ini" || fail "audio count not saved"
grep -q "^TIMER *= *6000" "$ini" || fail "display time not saved"

"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
# The splash, then the first picture after 6 s.
for attempt in $(seq 1 40); do
  sleep 0.5
  screenshot "$E2E_TMP/screen.png"
  [ "$(pixel "$E2E_TMP/screen.png" 512 384)" = "0,0,255" ] && break
  [ "$attempt" = 40 ] && fail "the first picture is not shown"
done
xdotool key space
expect_exit $saver 5
echo "configuration dialog: passed"
