# Headless Wayland compositors for the end-to-end tests, each started by the
# test itself: sway (wlroots; it refuses to run as root) and GNOME's mutter.
# Both run as an ordinary user with a private XDG_RUNTIME_DIR, and so must
# their clients. Source it after tests/e2e/lib.sh (E2E_TMP, E2E_PIDS, fail).
#
#   start_sway 1280x800 800x600 ...   one output per size, laid left to right
#   start_mutter [1280x800]           mutter on its own session bus
#   reset_mutter_idle_time            as if the user pressed a key (mutter only)
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
  wayland_user
  local bus="$XDG_RUNTIME_DIR/bus-address" pid="$XDG_RUNTIME_DIR/mutter.pid"
  "${WAYLAND_RUN[@]}" dbus-run-session -- sh -c \
    "echo \$\$ >'$pid'; echo \"\$DBUS_SESSION_BUS_ADDRESS\" >'$bus'; \
     exec env MUTTER_DEBUG_RESET_IDLETIME=1 mutter --headless --wayland --no-x11 --virtual-monitor ${1:-1280x800}" \
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
