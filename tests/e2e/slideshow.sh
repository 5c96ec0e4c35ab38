#!/usr/bin/env bash
# The slideshow on a real X server: each tick shows the next picture centred
# and cut to the screen, passes over what is no picture, and a picture that
# cannot be read ends the saver with its report and the cursor back.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
prepare_demo
media="$demo/media"
sed -i 's/^TIMER=.*/TIMER=2000/' "$ini"

# shows SCREENSHOT PICTURE LEFT TOP: whether the screen shows the top-left
# part of PICTURE that fits, at LEFT,TOP, with black around it.
shows() {
  local screen=$1 picture=$2 left=$3 top=$4 width height
  read -r width height < <(/usr/bin/identify -format '%w %h\n' "$picture")
  width=$((width > 1024 ? 1024 : width))
  height=$((height > 768 ? 768 : height))
  /usr/bin/convert "$picture" -crop "${width}x${height}+0+0" +repage "$E2E_TMP/expected.png"
  /usr/bin/convert "$screen" -crop "${width}x${height}+${left}+${top}" +repage "$E2E_TMP/shown.png"
  [ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/expected.png")" = 0 ] || return 1
  [ "$left" = 0 ] || [ "$(pixel "$screen" $((left - 1)) "$top")" = "0,0,0" ]
}

# wait_until_shown PICTURE LEFT TOP: the next picture of the sequence comes
# within two intervals (the pacing itself is tested on a simulated clock).
wait_until_shown() {
  for attempt in $(seq 1 20); do
    screenshot "$E2E_TMP/screen.png"
    shows "$E2E_TMP/screen.png" "$@" && return 0
    sleep 0.25
  done
  cp "$E2E_TMP/screen.png" "$E2E_TMP/last-screen.png"
  fail "$1 was not shown at $2,$3"
}

"$program/VostramelSaver.scr" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
# Ticks every 2 s: aurora, notes.txt passed over, meadow, harbour (cut to the
# screen), lantern, then the splash again.
for shown in "aurora.jpg 112 84" "meadow.bmp 192 144" "harbour.jpg 0 0" "lantern.gif 272 204"; do
  set -- $shown
  wait_until_shown "$media/$1" "$2" "$3"
done
wait_until_shown "$program/vostramelsaver.jpg" 312 234
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
