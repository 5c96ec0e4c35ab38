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

xautolock -time 10 -locker "$record $program/VostramelSaver.scr /s" &
E2E_PIDS+=($!)
# -locknow reaches xautolock once it runs.
for _ in $(seq 1 100); do
  xautolock -locknow 2>/dev/null && break
  sleep 0.1
done
wait_for_window VostramelSaver >/dev/null
wait_for_splash 312 234
wait_for_pixels 5 0,0=0,0,0 1023,767=0,0,0
xdotool key space
wait_for_status "$status" 10
wait_for_pixels 5 0,0=128,128,128 512,384=128,128,128
echo "xautolock: passed"
