#!/usr/bin/env bash
# Hosts on sway: SIGTERM ends the saver with status 0, and so does the resume
# command of swayidle, which started it when the session went idle.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"

outputs=(1280x800 1024x768)
start_sway "${outputs[@]}"
install_wayland_program
start_virtual_pointer 2304 800
pointer_step "move 600 400"

start_wayland_saver
wait_for_covered "${outputs[@]}"
kill -TERM "$saver"
expect_exit "$saver" 5

# swayidle runs both commands through sh as the session's user.
status="$E2E_TMP/status" started="$E2E_TMP/started" resumed="$E2E_TMP/resumed"
record=$(recording_status "$status")
touch "$status" "$started" "$resumed"
chown "$WAYLAND_USER" "$status" "$started" "$resumed"
"${WAYLAND_RUN[@]}" swayidle \
  timeout 1 "echo \$\$ >$started; exec $record $program/VostramelSaver.scr /s" \
  resume "echo resumed >$resumed; kill -TERM \$(cat $started)" >"$E2E_TMP/swayidle.log" 2>&1 &
swayidle=$!
E2E_PIDS+=($swayidle)
wait_for_covered "${outputs[@]}"
# Activity for swayidle; a step too small to end the saver itself.
pointer_step "move 602 400"
wait_for_status "$status" 10
[ -s "$resumed" ] || fail "the saver ended without swayidle's resume command"
kill "$swayidle"
echo "sway hosts: passed"
