#!/usr/bin/env bash
# CPU the running saver takes between slideshow ticks, on a private X server:
# once silent, once playing music through SDL's dummy driver. Usage:
#   VS_BUILD=build bash bench/idle/idle_cpu.sh [SECONDS]
VS_BUILD=$(cd "${VS_BUILD:-build}" && pwd)
. "$(dirname "$0")/../../tests/e2e/lib.sh"
seconds=${1:-10}
ticks=$(getconf CLK_TCK)

# cpu_ms PID: user + system CPU time of the process so far.
cpu_ms() { awk -v t="$ticks" '{ print int(($14 + $15) * 1000 / t) }' "/proc/$1/stat"; }

measure() {
  local label=$1 saver before after
  SDL_AUDIODRIVER=dummy "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_window VostramelSaver >/dev/null
  sleep 2
  before=$(cpu_ms $saver)
  sleep "$seconds"
  after=$(cpu_ms $saver)
  xdotool key space
  expect_exit $saver 5
  printf '%-34s %6d ms CPU in %d s (%.2f%% of one core)\n' "$label" $((after - before)) \
    "$seconds" "$(echo "$after $before $seconds" | awk '{ print ($1 - $2) / ($3 * 10) }')"
}

start_xvfb 1920x1080
prepare_demo
sed -i 's/^TIMER=.*/TIMER=600000/' "$ini"
measure "showing a picture, music playing"
sed -i 's/^TOTAL_AUDIOS_DISPLAY=.*/TOTAL_AUDIOS_DISPLAY=0/' "$ini"
measure "showing a picture, silent"
