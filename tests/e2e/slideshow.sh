#!/usr/bin/env bash
# The slideshow on a real X server: each tick shows the next picture centred
# and cut to the screen, passes over what is no picture, and a picture that
# cannot be read ends the saver with its report and the cursor back.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
prepare_demo
media="$demo/media"
sed -i 's/^TIMER=.*/TIMER=2000/' "$ini"

# expect_shown SCREENSHOT PICTURE LEFT TOP: the screen shows the top-left part
# of PICTURE that fits, at LEFT,TOP, with black around it.
expect_shown() {
  local screen=$1 picture=$2 left=$3 top=$4 width height
  read -r width height < <(/usr/bin/identify -format '%w %h\n' "$picture")
  width=$((width > 1024 ? 1024 : width))
  height=$((height > 768 ? 768 : height))
  /usr/bin/convert "$picture" -crop "${width}x${height}+0+0" +repage "$E2E_TMP/expected.png"
  /usr/bin/convert "$screen" -crop "${width}x${height}+${left}+${top}" +repage "$E2E_TMP/shown.png"
  [ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/expected.png")" = 0 ] ||
    fail "$screen does not show $picture at $left,$top"
  if [ "$left" -gt 0 ]; then
    [ "$(pixel "$screen" $((left - 1)) "$top")" = "0,0,0" ] || fail "$screen: no black left of the picture"
  fi
}

"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
start=$(date +%s%3N)
# Ticks every 2 s: aurora at 2, notes.txt passed over at 4 (aurora stays),
# meadow at 6.1, harbour at 8.1, lantern at 10.1, the splash again at 12.1.
for shot in "3000 aurora.jpg 112 84" "5000 aurora.jpg 112 84" "7000 meadow.bmp 192 144" \
  "9000 harbour.jpg 0 0" "11000 lantern.gif 272 204" "13000 splash 312 234"; do
  set -- $shot
  wait_ms=$((start + $1 - $(date +%s%3N)))
  [ "$wait_ms" -gt 0 ] && sleep "$((wait_ms / 1000)).$(printf '%03d' $((wait_ms % 1000)))"
  screenshot "$E2E_TMP/tick-$1.png"
  picture="$media/$2"
  [ "$2" = splash ] && picture="$program/vostramelsaver.jpg"
  expect_shown "$E2E_TMP/tick-$1.png" "$picture" "$3" "$4"
done
xdotool mousemove 500 20 sleep 0.2 mousemove 520 20
expect_exit $saver 5

# A picture that cannot be read among the configured ones ends the saver.
sed -i "s|^IMAGES_FILE_2=.*|IMAGES_FILE_2=$media/missing.gif|; s/^TIMER=.*/TIMER=1000/" "$ini"
"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
expect_exit $saver 15
tail -n 2 "$program/VostramelSaver.log" | diff <(crlf_lines "Error out in images/avi loop object" \
  "File not found: $media/missing.gif") - || fail "no failure report for the missing picture"
[ "$(cursor_state)" = visible ] || fail "the cursor is still hidden"
echo "slideshow: passed"
