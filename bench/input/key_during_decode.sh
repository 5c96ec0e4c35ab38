#!/usr/bin/env bash
# Key-to-exit latency while the slideshow decodes its slowest picture (a
# 24 MP progressive JPEG) on a private X server.
# Usage: VS_BUILD=build-dir bench/input/key_during_decode.sh [runs]
. "$(dirname "$0")/../../tests/e2e/lib.sh"

VS_BUILD=$(cd "${VS_BUILD:-build}" && pwd)
runs=${1:-5}
start_xvfb 1024x768
program="$E2E_TMP/program"
install_program "$program"
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
huge="$E2E_TMP/huge.jpg"
/usr/bin/convert -size 6000x4000 plasma: -interlace JPEG -quality 92 "$huge"
printf '[VOSTRAMELSAVER]\r\nTOTAL_IMAGES_DISPLAY=1\r\nIMAGES_FILE_0=%s\r\nTOTAL_AUDIOS_DISPLAY=0\r\nTIMER=1000\r\n' \
  "$huge" >"$XDG_CONFIG_HOME/VostramelSaver.ini"

now_ms() { date +%s%3N; }
threads() { ls "/proc/$1/task" 2>/dev/null | wc -l; }

for run in $(seq 1 "$runs"); do
  "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_window VostramelSaver >/dev/null
  idle=$(threads "$saver")
  # The decode runs on a thread of its own: press the key while it exists.
  until [ "$(threads "$saver")" -gt "$idle" ]; do sleep 0.005; done
  sleep 0.1
  pressed=$(now_ms)
  xdotool key a
  while kill -0 "$saver" 2>/dev/null; do sleep 0.001; done
  echo "run $run: key to exit $(($(now_ms) - pressed)) ms"
  wait "$saver" || true
done
