#!/usr/bin/env bash
# The slideshow on a real X server: each tick shows the next picture centred
# and cut to the screen, passes over what is no picture, and a picture that
# cannot be read ends the saver with its report and the cursor back.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
prepare_demo
media="$demo/media"
# Each picture stays one interval: long enough for several looks at the screen
# also on a loaded machine, where one look (a screenshot and a comparison)
# takes more than a second.
interval=5
sed -i "s/^TIMER=.*/TIMER=${interval}000/" "$ini"

# wait_until_shown PICTURE LEFT TOP: the next picture of the sequence comes
# within three intervals (the pacing itself is tested on a simulated clock):
# the top-left part of PICTURE that fits the screen, at LEFT,TOP, with black
# around it.
wait_until_shown() {
  local picture=$1 left=$2 top=$3 width height deadline=$((SECONDS + 3 * interval))
  read -r width height < <(/usr/bin/identify -format '%w %h\n' "$picture")
  width=$((width > 1024 ? 1024 : width))
  height=$((height > 768 ? 768 : height))
  /usr/bin/convert "$picture" -crop "${width}x${height}+0+0" +repage "$E2E_TMP/expected.png"
  while [ $SECONDS -lt $deadline ]; do
    screenshot "$E2E_TMP/screen.png"
    [ "$(differing_pixels "$E2E_TMP/screen.png[${width}x${height}+${left}+${top}]" \
      "$E2E_TMP/expected.png")" = 0 ] &&
      { [ "$left" = 0 ] || [ "$(pixel "$E2E_TMP/screen.png" $((left - 1)) "$top")" = "0,0,0" ]; } &&
      return 0
    sleep 0.1
  done
  fail "$picture was not shown at $left,$top, see $E2E_TMP/screen.png"
}

"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
# A tick every interval: aurora, notes.txt passed over, meadow, harbour (cut to
# the screen), lantern, then the splash again.
for shown in "aurora.jpg 112 84" "meadow.bmp 192 144" "harbour.jpg 0 0" "lantern.gif 272 204"; do
  set -- $shown
  wait_until_shown "$media/$1" "$2" "$3"
done
wait_until_shown "$program/vostramelsaver.jpg" 312 234
jump_until_exit $saver 500 20

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
