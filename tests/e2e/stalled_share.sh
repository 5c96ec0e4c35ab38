#!/usr/bin/env bash
# While the slideshow reads a picture from a share that stopped answering, or
# the audio tick opens a song there, a key, a click or the host's SIGTERM still
# ends the saver within 2 s, with status 0 and the cursor back; the song
# counts as one that cannot be played a few seconds later.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/share.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
share_samples "$E2E_TMP/source"
share="$E2E_TMP/share"
mount_hanging_share "$E2E_TMP/source" "$share"
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
log="$program/VostramelSaver.log"

settings() { share_settings "$@" >"$XDG_CONFIG_HOME/VostramelSaver.ini"; }

# stalled_saver FILE: a saver whose read of FILE on the share hangs.
stalled_saver() {
  : >"$share_stalls"
  "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_window VostramelSaver >/dev/null
  wait_for_stall "$1"
}

# ends ACTION: the saver ends within 2 s of ACTION, with the cursor back.
ends() {
  case $1 in
    key) xdotool key space ;;
    click) xdotool click 1 ;;
    term) kill -TERM "$saver" ;;
  esac
  expect_exit "$saver" 2
  [ "$(cursor_state)" = visible ] || fail "$1: the cursor is still hidden"
}

settings "$share/far.bmp" -
for action in key click term; do
  stalled_saver far.bmp
  ends $action
done

settings - "$share/far.wav"
for action in key term; do
  stalled_saver far.wav
  ends $action
done

# Left alone, the song that does not answer switches audio off; the saver
# runs on and still ends on a key.
stalled_saver far.wav
for _ in $(seq 1 150); do
  grep -q "Please check your audio setting" "$log" && break
  sleep 0.1
done
grep -q "does not answer" "$log" || fail "the song was not given up: $(cat "$log")"
kill -0 "$saver" || fail "the saver ended with the song"
ends key
echo "stalled share: passed"
