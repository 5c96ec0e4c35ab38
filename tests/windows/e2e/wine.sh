# Wine helpers for the whole-program tests of the Windows build: source it
# after tests/e2e/lib.sh. VS_BUILD is the cross build's folder, whose Wine
# prefix the tests share (hence their resource lock).
export WINEPREFIX="$VS_BUILD/wine-prefix"
export WINEDEBUG=-all

# wine_settle: waits until no Wine process of the prefix is left, so the next
# program starts with a fresh server on the current X display.
wine_settle() {
  timeout 60 wineserver -w 2>/dev/null || true
}

# start_xvfb_two_heads: a private X server with two Xinerama heads, a primary
# 1024x768 and an 800x600 one over its corner; Wine takes Xinerama's heads as
# monitors when the server has no RandR (it does not read RandR's monitors).
start_xvfb_two_heads() {
  launch_xvfb -extension RANDR +xinerama -screen 0 1024x768x24 -screen 1 800x600x24
}

# wine_program_on_xvfb [FOLDER]: a private 1024x768 X server, and a copy of the
# program with its splash picture in $program ($E2E_TMP/FOLDER, by default
# "program"), so that its log is $log.
wine_program_on_xvfb() {
  start_xvfb 1024x768
  program="$E2E_TMP/${1:-program}"
  install_program "$program"
  log="$program/VostramelSaver.log"
}

# wine_start_saver: the program in $program running as the saver, its start-up
# over (audio off without music); its process id in $saver, its window $window.
wine_start_saver() {
  rm -f "$log"
  wine_start "$program/VostramelSaver.scr" /s
  saver=$wine_pid
  window=$(wait_for_window VostramelSaver)
  for _ in $(seq 1 100); do
    grep -q "^Error to play audio" "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the saver's start-up did not end"
}

# wine_start PROGRAM ARGS...: starts a Windows program in the background; its
# process id in $wine_pid. Wine's complaint about a missing 32-bit part is
# dropped.
wine_start() {
  wine "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch' -e 'dpkg --add' \
    -e 'apt-get install wine32' -e '^$' >&2) &
  wine_pid=$!
  WINE_PIDS+=($wine_pid)
}

# wine_run PROGRAM ARGS...: runs a Windows program to its end; its status.
wine_run() {
  wine_start "$@"
  local status=0
  wait "$wine_pid" || status=$?
  return $status
}

# wine_unix_path WINDOWS_PATH: the Unix path of a path in the prefix.
wine_unix_path() { readlink -m "$(winepath -u "$1" 2>/dev/null)"; }

# wine_windows_path UNIX_PATH: the path as the program sees it.
wine_windows_path() { winepath -w "$1" 2>/dev/null; }

# wine_appdata: the Unix path of the prefix's %APPDATA% folder.
wine_appdata() {
  local folder
  folder=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
  wine_unix_path "$folder"
}

# wine_settings: the Unix path of the program's settings file in the prefix.
wine_settings() { echo "$(wine_appdata)/VostramelSaver.ini"; }

# cursor_state: "hidden" or "visible", from a probe the host's compiler
# builds on first use (the cross build makes Windows programs only).
cursor_state() {
  local probe="$E2E_TMP/cursor_probe"
  [ -x "$probe" ] || cc -o "$probe" "$VS_SOURCE/tests/e2e/cursor_probe.c" -lX11 -lXfixes
  "$probe"
}

# Programs of the prefix are stopped before lib.sh stops the X server.
WINE_PIDS=()
wine_cleanup() {
  for pid in "${WINE_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine_settle
  cleanup
}
trap wine_cleanup EXIT
wine_settle
