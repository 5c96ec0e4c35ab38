#!/usr/bin/env bash
# Builds the saver and runs it on a demo set of its own (own settings folder,
# so your settings are never touched). With a display it runs there until you
# touch a key or the mouse; without one it runs on a private X server, saves
# screenshots of several slideshow ticks and ends the saver with a key press.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target VostramelSaver splash make_demo_set cursor_probe

demo="$PWD/build/demo"
rm -rf "$demo"
QT_QPA_PLATFORM=offscreen build/tools/make_demo_set "$demo"
export XDG_CONFIG_HOME="$demo/config"
echo "Demo settings: $XDG_CONFIG_HOME/VostramelSaver.ini"

if [ -n "${DISPLAY:-}" ]; then
  build/VostramelSaver.scr /s
  echo "Log: $PWD/build/VostramelSaver.log"
  exit 0
fi

VS_BUILD="$PWD/build"
. tests/e2e/lib.sh
start_xvfb 1280x800
mkdir -p "$demo/screens"
build/VostramelSaver.scr /s &
saver=$!
E2E_PIDS+=($saver)
# 3 s a picture; the text entry is passed over in 100 ms and costs one interval.
start=$(date +%s%3N)
for shot in "1500 splash" "4500 aurora" "10600 meadow" "13600 harbour" "16600 lantern" \
  "19600 splash-again"; do
  set -- $shot
  wait_ms=$((start + $1 - $(date +%s%3N)))
  [ "$wait_ms" -gt 0 ] && sleep "$((wait_ms / 1000)).$(printf '%03d' $((wait_ms % 1000)))"
  screenshot "$demo/screens/$2.png"
  echo "Screenshot: $demo/screens/$2.png"
done
xdotool key space
expect_exit $saver 10
echo "The saver ended on a key press. Log: $PWD/build/VostramelSaver.log"
