#!/usr/bin/env bash
# Under Wine, over a picture that covers the screen, with no music (audio off
# after its first tick), a mouse jump or a click still ends the saver with
# status 0: the picture box passes the mouse on to the form.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb
/usr/bin/convert -size 1100x800 xc:'#3366cc' "BMP3:$E2E_TMP/cover.bmp"
cover=$(wine_windows_path "$E2E_TMP/cover.bmp")
settings=$(wine_settings)
mkdir -p "$(dirname "$settings")"
{
  echo "[VOSTRAMELSAVER]"
  echo "TOTAL_IMAGES_DISPLAY=20"
  for i in $(seq 0 19); do echo "IMAGES_FILE_$i=$cover"; done
  echo "TOTAL_AUDIOS_DISPLAY=0"
  echo "TIMER=1000"
} | sed 's/$/\r/' >"$settings"

# start_covered: the saver showing the cover, its audio switched off.
start_covered() {
  rm -f "$log"
  wine_start "$program/VostramelSaver.scr" /s
  saver=$wine_pid
  wait_for_cover "$log"
}

start_covered
xdotool mousemove 500 300 sleep 0.2 mousemove 520 300
expect_exit "$saver" 10

start_covered
xdotool click 1
expect_exit "$saver" 10
rm -f "$settings"
echo "picture_input under Wine: passed"
