# Headless Wayland compositors for the end-to-end tests, each started by the
# test itself: sway (wlroots; it refuses to run as root), GNOME's mutter and
# weston. They run as an ordinary user with a private XDG_RUNTIME_DIR, and so
# must their clients. Source it after tests/e2e/lib.sh (E2E_TMP, E2E_PIDS, fail).
#
#   start_sway 1280x800 800x600 ...   one output per size, laid left to right
#   start_mutter [1280x800 ...]       mutter on its own session bus, one virtual
#                                     monitor per size, laid left to right
#   reset_mutter_idle_time            as if the user pressed a key (mutter only)
#   start_mutter_input                mutter's remote-desktop keyboard and pointer,
#                                     driven by `mutter_input key 0x61` (a keysym)
#   start_weston 1280x800 800x600 ... weston in windows on the X server of
#                                     $DISPLAY, one output per size, laid left to
#                                     right there too: screenshots of the X screen
#                                     show its outputs, X input is its input
#   as_wayland_user CMD...            CMD as that user, in that session
#   "${WAYLAND_RUN[@]}" CMD &         the same, where $! must be CMD itself
#
# After a start, WAYLAND_DISPLAY and XDG_RUNTIME_DIR (and SWAYSOCK for sway,
# DBUS_SESSION_BUS_ADDRESS for mutter) name the session in this shell too.

# A test may name its own user, so that nothing aimed at another test's processes reaches it.
WAYLAND_USER=${WAYLAND_USER:-vs-wayland}
WAYLAND_RUN=()

# The user exists once per machine; tests running side by side may both make it.
wayland_user() {
  (
    flock 9
    id -u "$WAYLAND_USER" >/dev/null 2>&1 ||
      useradd --system --user-group --no-create-home --home-dir /nonexistent \
        --shell /usr/sbin/nologin "$WAYLAND_USER"
  ) 9>"/tmp/$WAYLAND_USER-user.lock"
  chmod 755 "$E2E_TMP"
  WAYLAND_HOME="$E2E_TMP/wayland-home"
  export XDG_RUNTIME_DIR="$E2E_TMP/wayland-runtime"
  mkdir -p "$WAYLAND_HOME" "$XDG_RUNTIME_DIR"
  chown "$WAYLAND_USER:$WAYLAND_USER" "$WAYLAND_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  wayland_run_env
}

# WAYLAND_RUN: setpriv and a clean environment that names the session.
wayland_run_env() {
  WAYLAND_RUN=(setpriv "--reuid=$WAYLAND_USER" "--regid=$WAYLAND_USER" --init-groups
    env -i "PATH=$PATH" "HOME=$WAYLAND_HOME" "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" LANG=C.UTF-8)
  [ -n "${WAYLAND_DISPLAY:-}" ] && WAYLAND_RUN+=("WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
  [ -n "${SWAYSOCK:-}" ] && WAYLAND_RUN+=("SWAYSOCK=$SWAYSOCK")
  [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] &&
    WAYLAND_RUN+=("DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS")
  return 0
}

as_wayland_user() { "${WAYLAND_RUN[@]}" "$@"; }

# wayland_socket: the compositor's socket once it listens, else nothing.
wayland_socket() {
  local socket
  for socket in "$XDG_RUNTIME_DIR"/wayland-*; do
    case $socket in *.lock) continue ;; esac
    [ -S "$socket" ] && { basename "$socket"; return 0; }
  done
  return 1
}

wait_for_wayland_socket() {
  for _ in $(seq 1 150); do
    WAYLAND_DISPLAY=$(wayland_socket) && { export WAYLAND_DISPLAY; return 0; }
    sleep 0.1
  done
  fail "$1 did not open a Wayland socket, see $E2E_TMP/$1.log"
}

start_sway() {
  [ $# -gt 0 ] || set -- 1280x800
  wayland_user
  local config="$E2E_TMP/sway.config" x=0 i=0 size
  {
    echo "xwayland disable"
    for size in "$@"; do
      i=$((i + 1))
      echo "output HEADLESS-$i mode $size position $x 0"
      x=$((x + ${size%x*}))
    done
  } >"$config"
  "${WAYLAND_RUN[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=$# \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$config" >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for_wayland_socket sway
  export SWAYSOCK
  for _ in $(seq 1 100); do
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1) || true
    wayland_run_env
    [ -n "$SWAYSOCK" ] &&
      [ "$(as_wayland_user swaymsg -t get_outputs -r 2>/dev/null | grep -c '"name": "HEADLESS-')" = $# ] &&
      return 0
    sleep 0.1
  done
  fail "sway did not show $# outputs, see $E2E_TMP/sway.log"
}

# mutter inside dbus-run-session, which hands its bus address out through a file.
# Cleanup ends mutter itself: dbus-run-session then ends the bus and itself.
start_mutter() {
  [ $# -gt 0 ] || set -- 1280x800
  wayland_user
  local bus="$XDG_RUNTIME_DIR/bus-address" pid="$XDG_RUNTIME_DIR/mutter.pid" size monitors=""
  for size in "$@"; do monitors+=" --virtual-monitor $size"; done
  "${WAYLAND_RUN[@]}" dbus-run-session -- sh -c \
    "echo \$\$ >'$pid'; echo \"\$DBUS_SESSION_BUS_ADDRESS\" >'$bus'; \
     exec env MUTTER_DEBUG_RESET_IDLETIME=1 mutter --headless --wayland --no-x11$monitors" \
    >"$E2E_TMP/mutter.log" 2>&1 &
  wait_for_wayland_socket mutter
  [ -s "$pid" ] || fail "mutter did not start"
  E2E_PIDS+=("$(cat "$pid")")
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(cat "$bus")
  wayland_run_env
  wait_for_bus_name org.gnome.Mutter.DisplayConfig
}

# wait_for_bus_name NAME: NAME has an owner on the session's bus.
wait_for_bus_name() {
  for _ in $(seq 1 150); do
    as_wayland_user dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true' &&
      return 0
    sleep 0.1
  done
  fail "no owner of $1 on the session bus"
}

# Mutter takes no input from a client without a remote-desktop session; its
# idle monitor resets the idle time on request while MUTTER_DEBUG_RESET_IDLETIME is set.
reset_mutter_idle_time() {
  as_wayland_user dbus-send --session --print-reply --dest=org.gnome.Mutter.IdleMonitor \
    /org/gnome/Mutter/IdleMonitor/Core org.gnome.Mutter.IdleMonitor.ResetIdletime >/dev/null
}

# start_mutter_input: a remote-desktop session on mutter's bus, which gives
# the seat a virtual keyboard and pointer; mutter_input drives them.
start_mutter_input() {
  coproc MUTTER_INPUT {
    exec "${WAYLAND_RUN[@]}" /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/mutter_input.py" \
      2>"$E2E_TMP/mutter_input.err"
  }
  E2E_PIDS+=($MUTTER_INPUT_PID)
  answered MUTTER_INPUT || fail "no remote-desktop input on mutter, see $E2E_TMP/mutter_input.err"
}

# mutter_input "key KEYSYM" | "motion DX DY" | "click": done once mutter took it.
mutter_input() {
  ask MUTTER_INPUT "$1" || fail "mutter did not take input '$1', see $E2E_TMP/mutter_input.err"
}

# start_weston WxH...: its X windows are named after its outputs X1, X2, ...
start_weston() {
  [ $# -gt 0 ] || set -- 1280x800
  wayland_user
  local config="$E2E_TMP/weston.ini" x=0 i=0 size window
  {
    printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff808080\npanel-position=none\n'
    for size in "$@"; do printf '[output]\nname=X%d\nmode=%s\n' $((i += 1)) "$size"; done
  } >"$config"
  chmod 644 "$config"
  "${WAYLAND_RUN[@]}" "DISPLAY=$DISPLAY" weston --backend=x11-backend.so --use-pixman \
    --output-count=$# "--config=$config" --socket=wayland-vs >"$E2E_TMP/weston.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for_wayland_socket weston
  wayland_run_env
  i=0
  for size in "$@"; do
    i=$((i + 1))
    wait_until "weston did not open output X$i, see $E2E_TMP/weston.log" weston_output_window $i
    xdotool windowmove --sync "$window" "$x" 0
    x=$((x + ${size%x*}))
  done
}

# weston_output_window N: whether weston's output XN has its X window, then in $window.
weston_output_window() {
  window=$(xwininfo -root -children | awk "/\"Weston Compositor - X$1\"/ {print \$1}")
  [ -n "$window" ]
}

# --- The saver in a Wayland session -------------------------------------------

# wait_for_keyboard LOG: the client whose protocol log is LOG holds the
# keyboard; a key pressed before the compositor shows its window reaches no one.
wait_for_keyboard() {
  wait_until "the saver never took the keyboard, see $1" grep -Eq 'wl_keyboard@[0-9]+\.enter\(' "$1"
}

# install_wayland_program: the program in $program, owned by the session's
# user, so its log lands there.
install_wayland_program() {
  program="$E2E_TMP/program"
  install_program "$program"
  chown -R "$WAYLAND_USER:$WAYLAND_USER" "$program"
}

# start_wayland_saver [VARIABLE=VALUE...]: the saver in saver mode as the
# session's user; its pid in $saver, its stderr in $E2E_TMP/saver.err.
start_wayland_saver() {
  "${WAYLAND_RUN[@]}" "$@" "$program/VostramelSaver.scr" /s 2>"$E2E_TMP/saver.err" &
  saver=$!
  E2E_PIDS+=($saver)
}

# output_shot OUTPUT FILE [GRIM_OPTION...]: a screenshot of one output, in its pixels.
output_shot() {
  local output=$1 file=$2
  shift 2
  as_wayland_user grim "$@" -o "$output" - >"$file" 2>/dev/null
}

# black_but FILE [X0,Y0 X1,Y1]: FILE is black all over, but for that rectangle.
black_but() {
  local draw=()
  [ $# -eq 3 ] && draw=(-fill black -draw "rectangle $2 $3")
  [ "$(/usr/bin/convert "$1" "${draw[@]}" -format '%[max]' info:)" = 0 ]
}

# covered WxH...: whether outputs HEADLESS-1... of those sizes are black, but
# for the splash picture at its natural size, centred on the first.
covered() {
  local i=0 size shot left top
  [ -s "$E2E_TMP/splash.png" ] || /usr/bin/convert "$VS_BUILD/vostramelsaver.jpg" "$E2E_TMP/splash.png"
  for size in "$@"; do
    i=$((i + 1))
    shot="$E2E_TMP/HEADLESS-$i.png"
    output_shot "HEADLESS-$i" "$shot" || return 1
    [ "$(identify -format '%wx%h' "$shot")" = "$size" ] || return 1
    if [ $i -gt 1 ]; then
      black_but "$shot" || return 1
      continue
    fi
    left=$(((${size%x*} - 400) / 2)) top=$(((${size#*x} - 300) / 2))
    black_but "$shot" "$left,$top" "$((left + 399)),$((top + 299))" || return 1
    /usr/bin/convert "$shot" -crop "400x300+$left+$top" +repage "$E2E_TMP/shown.png"
    [ "$(differing_pixels "$E2E_TMP/shown.png" "$E2E_TMP/splash.png")" = 0 ] || return 1
  done
}

# wait_for_covered WxH...: as `covered`, in time.
wait_for_covered() {
  wait_until "the outputs are not covered as they should be, see $E2E_TMP/HEADLESS-*.png" \
    covered "$@"
}

# start_virtual_pointer LAYOUT_WIDTH LAYOUT_HEIGHT: a mouse that stays for
# the whole test (the seat has no other), driven by pointer_step.
start_virtual_pointer() {
  coproc POINTER { exec "${WAYLAND_RUN[@]}" "$VS_BUILD/tests/wayland/virtual_pointer" "$@"; }
  E2E_PIDS+=($POINTER_PID)
  answered POINTER || fail "no virtual pointer"
}

# start_virtual_keyboard: a keyboard for the whole test (wtype, sleeping), so
# the seat has one before the saver starts: a client hears of a keyboard that
# comes later only after a moment, and wtype's own keys may go by meanwhile.
start_virtual_keyboard() {
  "${WAYLAND_RUN[@]}" wtype -s 3600000 &
  E2E_PIDS+=($!)
  keyboard() {
    as_wayland_user swaymsg -t get_seats -r | jq -e '.[0].capabilities | . % 4 >= 2' >/dev/null
  }
  wait_until "the seat got no keyboard" keyboard
}

# pointer_step "move X Y" | "click": done once the compositor has handled it.
pointer_step() { ask POINTER "$1" || fail "the virtual pointer did not $1"; }

# answered COPROC: whether that input helper (a coprocess) said "ok" in time.
answered() {
  local -n helper=$1
  local reply=""
  read -r -t 30 -u "${helper[0]}" reply || true
  [ "$reply" = ok ]
}

# ask COPROC LINE: whether that input helper did what LINE asks.
ask() {
  local -n helper=$1
  echo "$2" >&"${helper[1]}"
  answered "$1"
}

# wait_for_pointer_at X Y: the saver, started with WAYLAND_DEBUG=1, has been
# told of the pointer at X,Y of the surface under it (entered or moved there).
wait_for_pointer_at() {
  wait_until "the saver was not told of the pointer at $1,$2, see $E2E_TMP/saver.err" \
    grep -qE "wl_pointer@[0-9]+\\.(enter|motion)\\(.*, $1\\.00000000, $2\\.00000000\\)" \
    "$E2E_TMP/saver.err"
}

# sway_window APP_ID FILTER: whether sway's tree holds that window with FILTER (jq) true.
sway_window() {
  as_wayland_user swaymsg -t get_tree -r |
    jq -e --arg id "$1" "[.. | objects | select(.app_id? == \$id) | $2] | any" >/dev/null
}
