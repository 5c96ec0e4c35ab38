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

# wine_install_program DIR: a copy of the program and its splash picture
# (VS_SPLASH: the cross build draws none), so the log lands in DIR.
wine_install_program() {
  if [ ! -f "${VS_SPLASH:-}" ]; then
    echo "skipped: no splash picture (configure with -DVS_SPLASH_PICTURE=FILE)"
    exit 77
  fi
  mkdir -p "$1"
  cp "$VS_BUILD/VostramelSaver.scr" "$1/"
  cp "$VS_SPLASH" "$1/vostramelsaver.jpg"
}

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
