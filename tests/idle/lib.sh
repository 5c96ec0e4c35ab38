# Helpers for the idle launcher's end-to-end tests. Source after
# tests/e2e/lib.sh.

# stand_in_launcher DIR [failing]: the launcher in DIR beside a stand-in saver
# that writes the time of each start and its pid to $starts and waits to be
# killed, or, failing, ends at once with status 1 as the saver does without a display.
stand_in_launcher() {
  local then="exec sleep 600"
  [ "${2:-}" = failing ] && then='echo "stand-in saver: no display" >&2; exit 1'
  starts="$E2E_TMP/starts"
  : >"$starts"
  chmod 666 "$starts"
  mkdir -p "$1"
  cp "$VS_BUILD/vostramel-saver-idle" "$1/"
  cat >"$1/VostramelSaver.scr" <<EOT
#!/bin/sh
[ "\$1" = /s ] || exit 3
echo "\$(date +%s.%N) \$\$" >>"$starts"
$then
EOT
  chmod 755 "$1" "$1/VostramelSaver.scr"
  trap 'end_stand_ins; cleanup' EXIT
}

# A launcher that is killed leaves its saver running, as it would on a desktop.
end_stand_ins() {
  local pid
  for pid in $(cut -d' ' -f2 "$starts"); do kill "$pid" 2>/dev/null || true; done
}

start_count() { wc -l <"$starts"; }

# wait_for_starts N SECONDS: the stand-in saver has been started N times.
wait_for_starts() {
  for _ in $(seq 1 $(($2 * 10))); do
    [ "$(start_count)" -ge "$1" ] && break
    sleep 0.1
  done
  [ "$(start_count)" = "$1" ] || fail "$(start_count) saver starts, not $1"
}

# stays_at N SECONDS: still N starts after that long (what must not happen).
stays_at() {
  for _ in $(seq 1 $(($2 * 10))); do
    [ "$(start_count)" = "$1" ] || fail "$(start_count) saver starts, not $1"
    sleep 0.1
  done
}

# end_saver: ends the latest stand-in saver, as a crash or a host would.
end_saver() { kill -TERM "$(tail -n 1 "$starts" | cut -d' ' -f2)" || fail "no saver running"; }

# start_time N: when the saver was started the Nth time.
start_time() { sed -n "${1}p" "$starts" | cut -d' ' -f1; }

# later_by A B SECONDS MESSAGE: fails unless time A is at least SECONDS after B.
later_by() { awk -v a="$1" -v b="$2" -v s="$3" 'BEGIN { exit !(a >= b + s) }' || fail "$4 ($1, $2)"; }

# wait_for_line FILE TEXT SECONDS
wait_for_line() {
  for _ in $(seq 1 $(($3 * 10))); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no '$2' in $1: $(cat "$1")"
}
