#!/usr/bin/env bash
# The idle launcher on GNOME's compositor, headless: idle time from mutter's
# idle monitor, inhibits held with the launcher's own org.freedesktop.ScreenSaver
# (there is no GNOME session manager). A stand-in saver records its starts.
. "$(dirname "$0")/../e2e/lib.sh"
WAYLAND_USER=vs-idle
. "$(dirname "$0")/../wayland/compositors.sh"
. "$(dirname "$0")/lib.sh"

start_mutter
stand_in_launcher "$E2E_TMP/launcher"
"${WAYLAND_RUN[@]}" "$E2E_TMP/launcher/vostramel-saver-idle" --seconds 2 >"$E2E_TMP/launcher.log" 2>&1 &
launcher_pid=$!
E2E_PIDS+=($launcher_pid)
wait_for_line "$E2E_TMP/launcher.log" "idle time from GNOME's idle monitor" 10
wait_for_bus_name org.freedesktop.ScreenSaver

# Idle since mutter started: the saver starts; a saver that ends without
# input is not started again until the user was active and idle again.
wait_for_starts 1 10
end_saver
stays_at 1 3
reset_mutter_idle_time
active=$(date +%s.%N)
wait_for_starts 2 10
later_by "$(start_time 2)" "$active" 1.9 "started before the idle time"
end_saver

# A film that asks not to blank for 3 s: the idle time counts again from its end.
"${WAYLAND_RUN[@]}" "$VS_BUILD/tests/idle/inhibit_client" 3 >"$E2E_TMP/film.log" 2>&1 &
E2E_PIDS+=($!)
wait_for_line "$E2E_TMP/film.log" inhibited 10
reset_mutter_idle_time
wait_for_line "$E2E_TMP/film.log" released 10
wait_for_starts 3 10
released=$(sed -n 's/^released //p' "$E2E_TMP/film.log")
later_by "$(start_time 3)" "$released" 1.9 "started during the inhibit"
end_saver

# A player that leaves the bus drops its inhibit.
"${WAYLAND_RUN[@]}" "$VS_BUILD/tests/idle/inhibit_client" >"$E2E_TMP/player.log" 2>&1 &
player=$!
E2E_PIDS+=($player)
wait_for_line "$E2E_TMP/player.log" inhibited 10
reset_mutter_idle_time
stays_at 3 4
kill "$player"
left=$(date +%s.%N)
wait_for_starts 4 10
later_by "$(start_time 4)" "$left" 1.9 "started before the idle time after the player left"

# One launcher per display.
status=0
as_wayland_user "$E2E_TMP/launcher/vostramel-saver-idle" --seconds 2 >"$E2E_TMP/second.log" 2>&1 ||
  status=$?
[ "$status" = 1 ] && [ "$(cat "$E2E_TMP/second.log")" = \
  "vostramel-saver-idle: another idle launcher is already running for this display" ] ||
  fail "a second launcher: status $status, $(cat "$E2E_TMP/second.log")"
echo "idle launcher on GNOME: passed"
