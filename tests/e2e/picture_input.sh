#!/usr/bin/env bash
# Over a picture that covers the screen, with no music (audio off after its
# first tick), a mouse jump or a click still ends the saver: the picture box
# passes the mouse on to the form.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
/usr/bin/convert -size 1100x800 xc:'#3366cc' "BMP3:$E2E_TMP/cover.bmp"
{
  echo "[VOSTRAMELSAVER]"
  echo "TOTAL_IMAGES_DISPLAY=20"
  for i in $(seq 0 19); do echo "IMAGES_FILE_$i=$E2E_TMP/cover.bmp"; done
  echo "TOTAL_AUDIOS_DISPLAY=0"
  echo "TIMER=1000"
} >"$XDG_CONFIG_HOME/VostramelSaver.ini"

# start_covered: the saver showing the cover, its audio switched off.
start_covered() {
  "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_cover "$program/VostramelSaver.log"
}

start_covered
jump_until_exit $saver 500 300

start_covered
xdotool click 1
expect_exit $saver 5
echo "picture_input: passed"
