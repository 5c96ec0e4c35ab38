#!/usr/bin/env bash
# Without a Wayland compositor or an X display the program says so in one
# line naming both and fails, in every mode, instead of aborting inside the
# toolkit.
. "$(dirname "$0")/lib.sh"

# A display number nobody serves.
number=700
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
  number=$((number + 1))
done

unset QT_QPA_PLATFORM
for display in none ":$number"; do
  for mode in /s /c; do
    status=0
    if [ "$display" = none ]; then
      env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$VS_BUILD/VostramelSaver.scr" $mode \
        2>"$E2E_TMP/err" || status=$?
    else
      DISPLAY=$display WAYLAND_DISPLAY=wayland-$number timeout 20 "$VS_BUILD/VostramelSaver.scr" \
        $mode 2>"$E2E_TMP/err" || status=$?
    fi
    [ "$status" != 0 ] && [ "$status" != 124 ] || fail "display $display, $mode: status $status"
    [ "$(wc -l <"$E2E_TMP/err")" = 1 ] && grep -q "needs a display: .*WAYLAND_DISPLAY.*, and .*DISPLAY" "$E2E_TMP/err" ||
      fail "display $display, $mode printed: $(cat "$E2E_TMP/err")"
  done
done
echo "no display: passed"
