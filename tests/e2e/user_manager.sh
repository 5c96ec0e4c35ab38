# A systemd user manager for an ordinary user, as a desktop session has one,
# with the user's D-Bus session bus that it starts on demand. PID 1 here need
# not be systemd: the manager runs in a mount namespace of its own in which
# /run/systemd/system exists (what it takes for "booted with systemd"), in a
# control group delegated to the user. Source after lib.sh.
#
#   start_user_manager      as the user of tests/wayland/compositors.sh
#   "${IN_USER_SESSION[@]}" CMD   CMD as that user, seeing that manager
#   stop_user_manager

. "$(dirname "${BASH_SOURCE[0]}")/../wayland/compositors.sh"

USER_CGROUP="vs-user-manager-$$"

# The control-group hierarchies systemd uses: the named v1 one and the
# unified one of a hybrid layout, or the unified one alone.
user_cgroup_roots() {
  local root found=0
  for root in /sys/fs/cgroup/systemd /sys/fs/cgroup/unified; do
    [ -f "$root/cgroup.procs" ] && { echo "$root"; found=1; }
  done
  [ "$found" = 1 ] || echo /sys/fs/cgroup
}

start_user_manager() {
  wayland_user
  local script="$E2E_TMP/user-manager.sh" root
  {
    echo "mount -t tmpfs none /run/systemd && mkdir /run/systemd/system || exit 1"
    for root in $(user_cgroup_roots); do
      echo "mkdir -p $root/$USER_CGROUP && chown -R $WAYLAND_USER: $root/$USER_CGROUP &&"
      echo "  echo \$\$ >$root/$USER_CGROUP/cgroup.procs || exit 1"
    done
    printf 'exec'
    printf ' %q' "${WAYLAND_RUN[@]}" /lib/systemd/systemd --user
    echo
  } >"$script"
  # unshare and the script exec into the manager: $! is the manager itself.
  unshare --mount --propagation private bash "$script" >"$E2E_TMP/user-manager.log" 2>&1 &
  USER_MANAGER=$!
  E2E_PIDS+=($USER_MANAGER)
  IN_USER_SESSION=(nsenter --mount "--target=$USER_MANAGER" "${WAYLAND_RUN[@]}")
  local state
  for _ in $(seq 1 100); do
    state=$("${IN_USER_SESSION[@]}" systemctl --user is-system-running 2>/dev/null) || true
    case $state in running | degraded) return 0 ;; esac
    sleep 0.1
  done
  fail "the systemd user manager did not start ($state), see $E2E_TMP/user-manager.log"
}

stop_user_manager() {
  kill "$USER_MANAGER" 2>/dev/null || true
  wait "$USER_MANAGER" 2>/dev/null || true
  remove_user_cgroups
}

remove_user_cgroups() {
  local root
  for root in $(user_cgroup_roots); do
    [ -d "$root/$USER_CGROUP" ] && find "$root/$USER_CGROUP" -depth -type d -exec rmdir {} + 2>/dev/null
  done
  return 0
}
