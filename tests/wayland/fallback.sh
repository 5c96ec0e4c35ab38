#!/usr/bin/env bash
# The saver on a compositor without the layer shell (weston or GNOME's mutter,
# the first argument), through the toolkit's Wayland windows: one full-screen
# window per output, the splash centred on the first, no cursor; a key ends
# it, and so does another window taking the keyboard.
# weston runs in windows on a private X server, whose screenshots show its
# outputs and whose input it takes. Headless mutter shows nothing: there the
# saver's protocol log tells what it asked of the compositor and drew, and
# input comes through mutter's remote-desktop interface.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"
compositor=${1:?compositor}

case "$compositor" in
  weston)
    start_xvfb 2080x800
    start_weston 1280x800 800x600
    ;;
  mutter)
    start_mutter 1280x800 800x600
    start_mutter_input
    ;;
  *) fail "unknown compositor $compositor" ;;
esac
install_wayland_program

# requested PATTERN: the saver asked the compositor for something matching PATTERN.
requested() { grep -Eq -- "-> $1" "$E2E_TMP/saver.err"; }

# Both outputs asked for in full screen, and a frame of each one's size drawn.
filled() {
  [ "$(grep -Eo -- '-> xdg_toplevel@[0-9]+\.set_fullscreen\(wl_output@[0-9]+\)' \
    "$E2E_TMP/saver.err" | sed 's/.*(//' | sort -u | wc -l)" = 2 ] &&
    requested 'wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, 1280, 800,' &&
    requested 'wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, 800, 600,'
}

start_saver() {
  start_wayland_saver XDG_ACTIVATION_TOKEN=vs-token WAYLAND_DEBUG=client
  if [ "$compositor" = mutter ]; then
    wait_until "the saver did not fill both outputs, see $E2E_TMP/saver.err" filled
    return 0
  fi
  wait_for_splash 440 250
  wait_for_pixels 10 0,0=0,0,0 1279,799=0,0,0 1280,0=0,0,0 2079,599=0,0,0 1680,300=0,0,0
}

# cursor shown|hidden X Y: weston draws the cursor a client sets at the
# pointer, so a hidden one leaves the square under it one colour. The pointer
# comes in from outside weston's windows, as weston may have missed an earlier
# entry while starting, a pixel to either side in turn (no mouse jump).
cursor() {
  step=$((1 - ${step:-0}))
  xdotool mousemove 2000 700 mousemove $(($2 + step)) "$3"
  screenshot "$E2E_TMP/screen.png"
  local colours
  colours=$(/usr/bin/convert "$E2E_TMP/screen.png" -crop "16x16+$(($2 + step))+$3" -format %k info:)
  if [ "$1" = shown ]; then [ "$colours" -gt 1 ]; else [ "$colours" = 1 ]; fi
}

if [ "$compositor" = weston ]; then
  wait_until "weston draws no cursor on its desktop: its hiding could not be seen" cursor shown 100 100
fi
start_saver
# Where the compositor offers activation (mutter; not weston 10), the saver
# asks for the focus with the token it was started with.
if grep -q '"xdg_activation_v1"' "$E2E_TMP/saver.err"; then
  requested 'xdg_activation_v1@[0-9]+\.activate\("vs-token", wl_surface@' ||
    fail "the start's activation token was not used"
fi
if [ "$compositor" = weston ]; then
  wait_until "the cursor shows over the saver, see $E2E_TMP/screen.png" cursor hidden 100 100
  xdotool key a
else
  wait_for_keyboard "$E2E_TMP/saver.err"
  mutter_input "key 0x61"
fi
expect_exit "$saver" 5
grep -v '^\[' "$E2E_TMP/saver.err" | grep . && fail "the saver printed more than its protocol log"

# Another window takes the keyboard: the saver ends rather than let keys go
# to a window behind it.
start_saver
"${WAYLAND_RUN[@]}" "$program/VostramelSaver.scr" /c &
E2E_PIDS+=($!)
expect_exit "$saver" 5
echo "fallback on $compositor: passed"
