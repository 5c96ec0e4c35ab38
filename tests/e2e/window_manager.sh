#!/usr/bin/env bash
# Under a real window manager (xfwm4 or openbox, the first argument) with a
# panel: windows mapped after the saver, a focus change, a switch to another
# virtual desktop, a window activated through the window manager and a popup
# raising itself leave both monitors covered, and a key or a click still ends
# the saver.
. "$(dirname "$0")/lib.sh"
wm=${1:?window manager}

start_xvfb 2560x1024
two_monitors
case "$wm" in
  # xfwm4 reads its settings through xfconf, a D-Bus service.
  xfwm4) dbus-run-session -- xfwm4 --compositor=off >"$E2E_TMP/wm.log" 2>&1 & ;;
  openbox) openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 & ;;
  *) fail "unknown window manager $wm" ;;
esac
E2E_PIDS+=($!)
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || fail "$wm did not start"
xdotool set_num_desktops 2
tint2 >"$E2E_TMP/panel.log" 2>&1 &
E2E_PIDS+=($!)
wait_for_window tint2 >/dev/null

program="$E2E_TMP/program"
install_program "$program"
/usr/bin/convert -size 400x300 xc:'#3366cc' "BMP3:$E2E_TMP/blue.bmp"
picture_settings "$E2E_TMP/blue.bmp"
blue="51,102,204" black="0,0,0"
# The panel's place included: the bottom rows of the primary monitor.
covered=(640,512=$blue 439,362=$black 1,1=$black 640,1020=$black 1279,1023=$black
  1280,0=$black 2559,1023=$black)

start_saver() {
  "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_pixels 10 "${covered[@]}"
}

# open_window NAME: another client's window, mapped and focused by the window
# manager while the saver runs.
open_window() {
  xmessage -name "$1" -geometry 600x400+300+300 "$1" &
  E2E_PIDS+=($!)
  xdotool windowactivate --sync "$(wait_for_window "$1")" 2>/dev/null || true
}

start_saver
open_window other1
wait_for_pixels 10 "${covered[@]}"
xdotool set_desktop 1
wait_for_pixels 10 "${covered[@]}"
xdotool key a
expect_exit $saver 5

start_saver
open_window other2
wait_for_pixels 10 "${covered[@]}"
xdotool key alt+Tab
expect_exit $saver 5

start_saver
xdotool set_desktop 0
open_window other3
wait_for_pixels 10 "${covered[@]}"
xdotool mousemove 1700 400 click 1
expect_exit $saver 5
[ "$(cursor_state)" = visible ] || fail "the cursor stays hidden"

# A reminder open before the saver that activates itself through the window
# manager (_NET_ACTIVE_WINDOW), then a popup raising itself over everything:
# the saver goes back on top at once, not at some later check.
xmessage -name reminder -geometry 600x400+300+300 reminder &
E2E_PIDS+=($!)
reminder=$(wait_for_window reminder)
start_saver
xdotool windowactivate "$reminder"
wait_for_pixels 10 "${covered[@]}"
shown=$("$VS_BUILD/tests/e2e/raise_probe" 100 100)
[ "$shown" = 0 ] || fail "a popup raising itself showed over the saver $shown times in 10"
wait_for_pixels 10 "${covered[@]}"
xdotool key a
expect_exit $saver 5
echo "window_manager $wm: passed"
