# Shared helpers for the end-to-end tests: a private X server, screenshots,
# pixels, windows. Source it; every test runs in its own temporary folder.
set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/vs-e2e.XXXXXX)
E2E_PIDS=()
cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "${E2E_KEEP:-0}" = 1 ]; then echo "kept $E2E_TMP"; else rm -rf "$E2E_TMP"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# launch_xvfb XVFB_ARGS...: a private X server with those screens and
# extensions; it picks a free display itself, so tests running side by side
# never share one.
launch_xvfb() {
  local number=""
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" "$@" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  read -r -t 10 -u "$display_fd" number || fail "no X server could be started"
  exec {display_fd}<&-
  export DISPLAY=":$number"
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  fail "the X server on $DISPLAY does not answer"
}

# start_xvfb WIDTHxHEIGHT: a private X server with one screen.
start_xvfb() { launch_xvfb -screen 0 "${1:-1024x768}x24"; }

# install_program DIR: a copy of the program and its splash picture, so the
# log lands in DIR.
install_program() {
  mkdir -p "$1"
  cp "$VS_BUILD/VostramelSaver.scr" "$VS_BUILD/vostramelsaver.jpg" "$1/"
}

# prepare_demo: the program in $program, the demo set in $demo with its
# settings file $ini, found through XDG_CONFIG_HOME.
prepare_demo() {
  program="$E2E_TMP/program"
  install_program "$program"
  demo="$E2E_TMP/demo"
  QT_QPA_PLATFORM=offscreen "$VS_BUILD/tools/make_demo_set" "$demo"
  export XDG_CONFIG_HOME="$demo/config"
  ini="$XDG_CONFIG_HOME/VostramelSaver.ini"
}

# wait_until WHAT COMMAND...: COMMAND succeeds within 30 seconds (the program
# may be a sanitizer's build on a busy machine), else the test fails saying
# WHAT did not happen.
wait_until() {
  local what=$1 deadline=$((SECONDS + 30))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "$what"
    sleep 0.1
  done
}

# wait_for_window NAME: the id of the first mapped window with that name,
# within 30 s: a program started under Wine on a busy machine may take ten.
wait_for_window() {
  local id deadline=$((SECONDS + 30))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "window '$1' did not appear"
}

# expect_exit PID SECONDS: fails unless the child ends in time with status 0.
# (Not in a command substitution: only this shell can wait for its child.)
expect_exit() {
  local pid=$1 limit=$2 waited=0 status=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$waited" -ge $((limit * 10)) ] && fail "process $pid still running after ${limit}s"
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$pid" || status=$?
  [ "$status" = 0 ] || fail "process $pid ended with status $status"
}

# jump_until_exit PID X Y: the pointer jumps 10 pixels to and fro at X,Y until
# the saver PID ends, then as expect_exit PID 5. The first move the saver sees
# only tells it where the pointer is, and moves that queue up while it is busy
# reach it as one: two moves alone may not end it on a loaded machine.
jump_until_exit() {
  local pid=$1 x=$2 y=$3
  for step in $(seq 1 25); do
    kill -0 "$pid" 2>/dev/null || break
    xdotool mousemove $((x + step % 2 * 10)) "$y"
    sleep 0.2
  done
  expect_exit "$pid" 5
}

screenshot() { import -window root "png:$1"; }

# pixel FILE X Y: "r,g,b" in 0-255.
pixel() {
  /usr/bin/convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# differing_pixels A B: how many pixels differ by more than a few levels.
differing_pixels() {
  /usr/bin/compare -metric AE -fuzz 4% "$1" "$2" null: 2>&1 || true
}

cursor_state() { "$VS_BUILD/tests/e2e/cursor_probe"; }

# crlf_lines LINE...: the lines as the log holds them.
crlf_lines() { printf '%s\r\n' "$@"; }

# two_monitors: the X screen (2560x1024) split by RandR into a primary
# monitor "left" (1280x1024+0+0) and "right" (1280x1024+1280+0), over a grey
# root that shows where nothing covers it.
two_monitors() {
  xrandr --setmonitor '*left' 1280/338x1024/270+0+0 screen >/dev/null
  xrandr --setmonitor right 1280/338x1024/270+1280+0 none
  [ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] || fail "no two monitors"
  xsetroot -solid '#808080'
}

# picture_settings PICTURE: settings that show only PICTURE, with no music
# (audio is switched off after its first tick).
picture_settings() {
  export XDG_CONFIG_HOME="$E2E_TMP/config"
  mkdir -p "$XDG_CONFIG_HOME"
  {
    echo "[VOSTRAMELSAVER]"
    echo "TOTAL_IMAGES_DISPLAY=20"
    for i in $(seq 0 19); do echo "IMAGES_FILE_$i=$1"; done
    echo "TOTAL_AUDIOS_DISPLAY=0"
    echo "TIMER=1000"
  } >"$XDG_CONFIG_HOME/VostramelSaver.ini"
}

# wait_for_pixels SECONDS X,Y=R,G,B...: a screenshot in $E2E_TMP/screen.png
# where every listed pixel has its colour.
wait_for_pixels() {
  local limit=$1 check ok
  shift
  for _ in $(seq 1 $((limit * 5))); do
    screenshot "$E2E_TMP/screen.png"
    ok=1
    for check in "$@"; do
      local at=${check%%=*}
      [ "$(pixel "$E2E_TMP/screen.png" "${at%,*}" "${at#*,}")" = "${check#*=}" ] || { ok=0; break; }
    done
    [ "$ok" = 1 ] && return 0
    sleep 0.2
  done
  fail "screen not as expected ($*), see $E2E_TMP/screen.png"
}

# wait_for_cover LOG: the saver showing the blue picture that covers a
# 1024x768 screen, once LOG says its audio is switched off.
wait_for_cover() {
  for _ in $(seq 1 100); do
    if grep -q "Error out in audio object" "$1" 2>/dev/null; then
      screenshot "$E2E_TMP/screen.png"
      [ "$(pixel "$E2E_TMP/screen.png" 1 1)" = "51,102,204" ] &&
        [ "$(pixel "$E2E_TMP/screen.png" 1023 767)" = "51,102,204" ] && return 0
    fi
    sleep 0.1
  done
  fail "the cover picture was not shown with audio off"
}

# wait_for_splash LEFT TOP: a screenshot in $E2E_TMP/screen.png with the
# program's splash picture at LEFT,TOP.
wait_for_splash() {
  /usr/bin/convert "$VS_BUILD/vostramelsaver.jpg" "$E2E_TMP/splash.png"
  for _ in $(seq 1 50); do
    screenshot "$E2E_TMP/screen.png"
    /usr/bin/convert "$E2E_TMP/screen.png" -crop "400x300+$1+$2" +repage "$E2E_TMP/shown.png"
    [ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/splash.png")" = 0 ] && return 0
    sleep 0.2
  done
  fail "the splash is not at $1,$2, see $E2E_TMP/screen.png"
}

# raw_peak FILE: the largest absolute 16-bit sample of a raw audio file.
raw_peak() { od -An -v -td2 -w2 "$1" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'; }

# recording_status FILE: the path of a script that runs its arguments,
# passes SIGTERM on to them and writes their exit status to FILE; for hosts
# that start the saver themselves.
recording_status() {
  local script="$E2E_TMP/record-status.sh"
  cat >"$script" <<EOT
#!/bin/sh
"\$@" &
child=\$!
trap 'kill -TERM \$child' TERM
wait \$child
status=\$?
[ \$status -gt 128 ] && { wait \$child; status=\$?; }
echo \$status >"$1"
EOT
  chmod 755 "$script"
  echo "$script"
}

# wait_for_status FILE SECONDS: fails unless FILE says 0 in time.
wait_for_status() {
  for _ in $(seq 1 $(($2 * 10))); do
    [ -s "$1" ] && break
    sleep 0.1
  done
  [ -s "$1" ] || fail "the saver did not end within $2 s"
  [ "$(cat "$1")" = 0 ] || fail "the saver ended with status $(cat "$1")"
}
