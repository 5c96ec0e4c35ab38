#!/usr/bin/env bash
# The idle launcher on a headless sway: idle time from the compositor's
# org_kde_kwin_idle (sway 1.7 has no ext_idle_notifier_v1), input from a
# virtual keyboard (wtype). First with a stand-in saver, then with the real
# one, which without X ends at once and must not be started again in a loop.
. "$(dirname "$0")/../e2e/lib.sh"
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
# One launcher per display: this one goes before the next comes.
kill "$launcher_pid"
wait "$launcher_pid" || true

# The real saver, which needs X: one start per idle period, one line each.
real="$E2E_TMP/real"
install_program "$real"
cp "$VS_BUILD/vostramel-saver-idle" "$real/"
chmod -R a+rwX "$real"
"${WAYLAND_RUN[@]}" "$real/vostramel-saver-idle" --seconds 1 >"$E2E_TMP/real.log" 2>&1 &
E2E_PIDS+=($!)
ended="the saver ended with status 1; it starts again after the next idle period"
wait_for_line "$E2E_TMP/real.log" "$ended" 10
stays() {
  for _ in $(seq 1 30); do
    [ "$(grep -c "$ended" "$E2E_TMP/real.log")" = "$1" ] || fail "restarted: $(cat "$E2E_TMP/real.log")"
    sleep 0.1
  done
}
stays 1
grep -q "needs an X display" "$E2E_TMP/real.log" || fail "the saver's own message is not passed on"
as_wayland_user wtype -k space
for _ in $(seq 1 100); do
  [ "$(grep -c "$ended" "$E2E_TMP/real.log")" = 2 ] && break
  sleep 0.1
done
stays 2
echo "idle launcher on sway: passed"
