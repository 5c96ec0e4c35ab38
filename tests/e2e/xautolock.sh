#!/usr/bin/env bash
# xautolock as the host: it runs the saver with "/s" and names no window, so
# the saver covers the screen with its own window, and a key ends it.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
xsetroot -solid '#808080'
program="$E2E_TMP/program"
install_program "$program"
export XDG_CONFIG_HOME="$E2E_TMP/config"
status="$E2E_TMP/status"
record=$(recording_status "$status")

# within SECONDS COMMAND...: COMMAND succeeds within SECONDS.
within() {
  local limit=$1
  shift
  for _ in $(seq 1 $((limit * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
no_message_waiting() { [[ $(xprop -root XAUTOLOCK_MESSAGE) == *"not found"* ]]; }

xautolock -time 10 -locker "$record $program/VostramelSaver.scr /s" &
E2E_PIDS+=($!)
# Messages to xautolock wait in a property of the root window, which its loop
# reads and clears every second; its first look clears what it finds unread.
# A probe put there, once cleared, shows that look past. Both are written with
# xprop, which returns only once the server has them: xautolock -locknow does
# not wait, and the X server drops a request it had not yet read from a client
# that has hung up (a quarter of them on a loaded machine).
xprop -root -f XAUTOLOCK_MESSAGE 8s -set XAUTOLOCK_MESSAGE probe
within 10 no_message_waiting || fail "xautolock does not read its messages"
# As xautolock -locknow writes it: its lock-now message, 5, as a native int.
xprop -root -f XAUTOLOCK_MESSAGE 8i -set XAUTOLOCK_MESSAGE 5,0,0,0
wait_for_window VostramelSaver >/dev/null
wait_for_splash 312 234
wait_for_pixels 5 0,0=0,0,0 1023,767=0,0,0
xdotool key space
wait_for_status "$status" 10
wait_for_pixels 5 0,0=128,128,128 512,384=128,128,128
echo "xautolock: passed"
