#!/usr/bin/env bash
# The idle launcher on a headless sway: idle time from the compositor's
# org_kde_kwin_idle (sway 1.7 has no ext_idle_notifier_v1), input from a
# virtual keyboard (wtype). Stand-in savers: one that runs until it is ended,
# one that ends at once and must not be started again in a loop.
. "$(dirname "$0")/../e2e/lib.sh"
WAYLAND_USER=vs-idle
. "$(dirname "$0")/../wayland/compositors.sh"
. "$(dirname "$0")/lib.sh"

start_sway 1280x800
stand_in_launcher "$E2E_TMP/launcher"
"${WAYLAND_RUN[@]}" "$E2E_TMP/launcher/vostramel-saver-idle" --seconds 2 >"$E2E_TMP/launcher.log" 2>&1 &
launcher_pid=$!
E2E_PIDS+=($launcher_pid)
wait_for_line "$E2E_TMP/launcher.log" "idle time from the Wayland compositor's idle notifications" 10

wait_for_starts 1 10
end_saver
stays_at 1 3
as_wayland_user wtype -k space
typed=$(date +%s.%N)
wait_for_starts 2 10
later_by "$(start_time 2)" "$typed" 1.9 "started before the idle time"
# A key while it runs (the key that ends it) re-arms the launcher at once.
as_wayland_user wtype -k space
end_saver
wait_for_starts 3 10
end_saver
# One launcher per display: this one goes before the next comes.
kill "$launcher_pid"
wait "$launcher_pid" || true

# A saver that ends at once: one start and one line per idle period, no loop.
stand_in_launcher "$E2E_TMP/failing" failing
"${WAYLAND_RUN[@]}" "$E2E_TMP/failing/vostramel-saver-idle" --seconds 1 >"$E2E_TMP/failing.log" 2>&1 &
E2E_PIDS+=($!)
wait_for_starts 1 10
stays_at 1 3
ended="the saver ended with status 1; it starts again after the next idle period"
[ "$(grep -c "$ended" "$E2E_TMP/failing.log")" = 1 ] || fail "not one line: $(cat "$E2E_TMP/failing.log")"
grep -q "stand-in saver: no display" "$E2E_TMP/failing.log" || fail "the saver's own message is lost"
as_wayland_user wtype -k space
wait_for_starts 2 10
stays_at 2 3
echo "idle launcher on sway: passed"
