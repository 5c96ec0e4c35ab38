#!/usr/bin/env bash
# Key-to-exit latency while the slideshow reads a picture from a share that
# stopped answering (reads hang after a file's first 4 KiB), on a private X
# server. A saver still running 10 s after the key counts as "no end".
# Usage: VS_BUILD=build-dir bench/input/key_during_stalled_read.sh [runs]
. "$(dirname "$0")/../../tests/e2e/lib.sh"
VS_SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
. "$VS_SOURCE/tests/e2e/share.sh"

VS_BUILD=$(cd "${VS_BUILD:-build}" && pwd)
runs=${1:-5}
start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
mkdir -p "$E2E_TMP/source"
/usr/bin/convert -size 1200x900 plasma: -quality 90 "$E2E_TMP/source/far.jpg"
mount_hanging_share "$E2E_TMP/source" "$E2E_TMP/share"
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
printf '[VOSTRAMELSAVER]\r\nTOTAL_IMAGES_DISPLAY=1\r\nIMAGES_FILE_0=%s\r\nTOTAL_AUDIOS_DISPLAY=0\r\nTIMER=1000\r\n' \
  "$E2E_TMP/share/far.jpg" >"$XDG_CONFIG_HOME/VostramelSaver.ini"

now_ms() { date +%s%3N; }

for run in $(seq 1 "$runs"); do
  : >"$share_stalls"
  "$program/VostramelSaver.scr" /s &
  saver=$!
  wait_for_window VostramelSaver >/dev/null
  wait_for_stall far.jpg
  pressed=$(now_ms)
  xdotool key a
  while kill -0 "$saver" 2>/dev/null && [ $(($(now_ms) - pressed)) -lt 10000 ]; do sleep 0.001; done
  if kill -0 "$saver" 2>/dev/null; then
    echo "run $run: no end 10 s after the key"
    # Failing the share's reads lets the stuck saver go.
    unmount_hanging_share
    wait "$saver" || true
    mount_hanging_share "$E2E_TMP/source" "$E2E_TMP/share"
  else
    echo "run $run: key to exit $(($(now_ms) - pressed)) ms"
    wait "$saver" || true
  fi
done
