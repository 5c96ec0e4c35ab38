#!/usr/bin/env bash
# At a fractional scale the saver centres on the screen's exact width in
# device pixels: Qt's logical 683 pixels times 1.5 would be 1025, not 1024.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
/usr/bin/convert -size 998x600 xc:'#3366cc' "BMP3:$E2E_TMP/wide.bmp"
picture_settings "$E2E_TMP/wide.bmp"
QT_SCALE_FACTOR=1.5 "$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
blue="51,102,204" black="0,0,0"
# Left (1024 - 998) / 2 = 13: the picture covers columns 13 to 1010.
wait_for_pixels 10 12,384=$black 13,384=$blue 1010,384=$blue 1011,384=$black
kill -TERM $saver
expect_exit $saver 5
echo "fractional_scale: passed"
