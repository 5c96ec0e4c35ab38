#!/usr/bin/env bash
# The idle launcher on GNOME's compositor, headless: idle time from mutter's
# idle monitor, inhibits held with the launcher's own org.freedesktop.ScreenSaver
# (there is no GNOME session manager). A stand-in saver records its starts;
# then the real saver beside the launcher covers the output and a key ends it.
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

# The real saver: GNOME has no layer shell, so it covers the output with a
# full-screen window, which headless mutter shows only in the saver's
# protocol log.
kill "$launcher_pid"
wait "$launcher_pid" 2>/dev/null || true
install_wayland_program
cp "$VS_BUILD/vostramel-saver-idle" "$program/"
start_mutter_input
reset_mutter_idle_time
"${WAYLAND_RUN[@]}" WAYLAND_DEBUG=client "$program/vostramel-saver-idle" --seconds 2 \
  >"$E2E_TMP/real.log" 2>&1 &
E2E_PIDS+=($!)
covers_output() {
  grep -Eq -- '-> wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, 1280, 800,' \
    "$E2E_TMP/real.log"
}
wait_until "the real saver did not cover the output, see $E2E_TMP/real.log" covers_output
wait_for_keyboard "$E2E_TMP/real.log"
saver=$(pgrep -u "$WAYLAND_USER" -f "$program/VostramelSaver.scr /s") || fail "no saver running"
mutter_input "key 0x61"
wait_until "a key did not end the real saver" eval '! kill -0 "$saver" 2>/dev/null'
echo "idle launcher on GNOME: passed"
