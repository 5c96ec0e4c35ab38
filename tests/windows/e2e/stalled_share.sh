#!/usr/bin/env bash
# Under Wine, with the pictures and music on a share that stopped answering
# (drive Z: shows the FUSE folder): while the slideshow reads a picture there,
# or the audio tick opens a song there, a key, a click or the system closing
# the window still ends the saver within 2 s with status 0.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$VS_SOURCE/tests/e2e/share.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb
share_samples "$E2E_TMP/source"
mount_hanging_share "$E2E_TMP/source" "$E2E_TMP/share"
# Programs of the prefix go first, then the share, then the X server.
trap 'for pid in "${WINE_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  unmount_hanging_share; wine_settle; cleanup' EXIT
share=$(wine_windows_path "$E2E_TMP/share")
settings=$(wine_settings)
mkdir -p "$(dirname "$settings")"

settings() { share_settings "$@" | sed 's/$/\r/' >"$settings"; }

# stalled_saver FILE: a saver whose read of FILE on the share hangs.
stalled_saver() {
  : >"$share_stalls"
  wine_start "$program/VostramelSaver.scr" /s
  saver=$wine_pid
  wait_for_window VostramelSaver >/dev/null
  wait_for_stall "$1"
}

# ends ACTION: the saver ends within 2 s of ACTION.
ends() {
  case $1 in
    key) xdotool key space ;;
    click) xdotool click 1 ;;
    close) wine taskkill /im VostramelSaver.scr >/dev/null 2>&1 & ;;
  esac
  expect_exit "$saver" 2
}

settings "$share\\far.bmp" -
for action in key click close; do
  stalled_saver far.bmp
  ends $action
done

settings - "$share\\far.wav"
for action in key close; do
  stalled_saver far.wav
  ends $action
done
rm -f "$settings"
echo "stalled share under Wine: passed"
