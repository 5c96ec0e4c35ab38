#!/usr/bin/env bash
# The idle launcher with the real saver on a private X server: idle time from
# the X server's IDLETIME counter, which a key from xdotool resets and so does
# a video player's XResetScreenSaver (`xset s reset`). No session bus.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
cp "$VS_BUILD/vostramel-saver-idle" "$program/"
export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus"
unset WAYLAND_DISPLAY

status=0
DISPLAY= "$program/vostramel-saver-idle" >"$E2E_TMP/none.log" 2>&1 || status=$?
[ "$status" = 1 ] && [ "$(cat "$E2E_TMP/none.log")" = "vostramel-saver-idle: no session bus and no \
display: DBUS_SESSION_BUS_ADDRESS, WAYLAND_DISPLAY and DISPLAY name none that answers; run it in a \
desktop session" ] || fail "without bus and display: status $status, $(cat "$E2E_TMP/none.log")"

# No input since the X server started: once that is longer than the idle
# time, no alarm crosses it, and the launcher must see it by itself.
sleep 2.5
"$program/vostramel-saver-idle" --seconds 2 >"$E2E_TMP/launcher.log" 2>&1 &
E2E_PIDS+=($!)
wait_for_line "$E2E_TMP/launcher.log" "idle time from the X server's idle time" 10

saver_shown() { xdotool search --onlyvisible --name '^VostramelSaver$' >/dev/null 2>&1; }
wait_for_gone() {
  for _ in $(seq 1 100); do
    saver_shown || return 0
    sleep 0.1
  done
  fail "the saver did not end"
}
# none_for SECONDS: no saver window all that time.
none_for() {
  for _ in $(seq 1 $(($1 * 10))); do
    saver_shown && fail "the saver started: $(cat "$E2E_TMP/launcher.log")"
    sleep 0.1
  done
}

wait_for_window VostramelSaver >/dev/null
xdotool key space
pressed=$(date +%s.%N)
wait_for_gone
wait_for_window VostramelSaver >/dev/null
later_by "$(date +%s.%N)" "$pressed" 1.9 "started again before the idle time"
xdotool key space
wait_for_gone

# A player that resets the idle time while it plays keeps the saver away.
(while :; do xset s reset; sleep 0.5; done) &
player=$!
E2E_PIDS+=($player)
none_for 4
kill "$player"
stopped=$(date +%s.%N)
wait_for_window VostramelSaver >/dev/null
later_by "$(date +%s.%N)" "$stopped" 1.5 "started while the player played"
xdotool key space
wait_for_gone
grep -v "idle time from" "$E2E_TMP/launcher.log" && fail "the launcher printed more"
echo "idle launcher on X: passed"
