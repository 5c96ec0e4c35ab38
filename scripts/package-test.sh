#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no error, no warning),
# installs it with apt as a user would, runs the installed saver and settings
# entry on a private X server as an ordinary user, turns the idle launcher's
# systemd user unit on and sees it start the saver, then removes the package.
# As root on Debian 12; the build folder is the first argument (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash scripts/install-deps.sh

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target VostramelSaver vostramel-saver-idle splash package_files -j"$(nproc)"
rm -f "$build"/vostramel-saver_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/vostramel-saver_*.deb)
status=0
lintian --fail-on error,warning "$package" >"$build/lintian.txt" 2>&1 || status=$?
grep -v "running with root privileges" "$build/lintian.txt" || true
[ "$status" = 0 ] || { echo "FAIL: lintian reports errors or warnings" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
apt_get=(bash scripts/apt-get-waiting.sh)
"${apt_get[@]}" install -y -q "./$package"

. tests/e2e/lib.sh
. tests/e2e/user_manager.sh
trap 'cleanup; remove_user_cgroups; "${apt_get[@]}" remove -y -q vostramel-saver' EXIT

[ "$(command -v vostramel-saver)" = /usr/bin/vostramel-saver ] || fail "no launcher on the PATH"
home="$E2E_TMP/home"
mkdir -p "$home"
chmod 755 "$E2E_TMP"
chown nobody "$home"
# An array, not a function, so that $! is the program itself.
as_user=(env HOME="$home" setpriv --reuid=nobody --regid=nogroup --clear-groups)
unset XDG_CONFIG_HOME XDG_STATE_HOME

start_xvfb 1024x768
"${as_user[@]}" vostramel-saver /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
log="$home/.local/state/VostramelSaver.log"
for _ in $(seq 1 100); do
  [ -f "$log" ] && [ "$(wc -l <"$log")" -ge 6 ] && break
  sleep 0.1
done
diff <(head -n 6 "$log") <(crlf_lines "Open file" "s mode" "load loadini" "sucessfully loadini" \
  5000 5000) || fail "the installed saver's log differs"
screenshot "$E2E_TMP/screen.png"
[ "$(pixel "$E2E_TMP/screen.png" 0 0)" = "0,0,0" ] || fail "the screen is not covered"
[ "$(pixel "$E2E_TMP/screen.png" 512 384)" != "0,0,0" ] || fail "no splash in the middle"
xdotool key space
expect_exit $saver 5

# The menu entry's command opens the settings dialog.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/vostramel-saver.desktop)
"${as_user[@]}" $command &
dialog=$!
E2E_PIDS+=($dialog)
wait_for_window "VostramelSaver Screen Saver Configuration" >/dev/null
kill -TERM $dialog
expect_exit $dialog 5

# The idle launcher's unit is off until the user turns it on; turned on, it
# starts the saver once the session has been idle (2 s here, by a drop-in as a
# user would write with `systemctl --user edit`).
start_user_manager
user_systemctl() { "${IN_USER_SESSION[@]}" systemctl --user "$@"; }
[ "$(user_systemctl is-enabled vostramel-saver-idle)" = disabled ] || fail "the unit is on by itself"
dropin="$WAYLAND_HOME/.config/systemd/user/vostramel-saver-idle.service.d"
mkdir -p "$dropin"
printf '[Service]\nExecStart=\nExecStart=/usr/bin/vostramel-saver-idle --seconds 2\n' >"$dropin/seconds.conf"
chown -R "$WAYLAND_USER:$WAYLAND_USER" "$WAYLAND_HOME/.config"
user_systemctl set-environment "DISPLAY=$DISPLAY"
user_systemctl enable --now vostramel-saver-idle
[ "$(user_systemctl is-active vostramel-saver-idle)" = active ] || fail "the unit did not start"
wait_for_window VostramelSaver >/dev/null
xdotool key space
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^VostramelSaver$' >/dev/null 2>&1 || break
  sleep 0.1
done
user_systemctl disable --now vostramel-saver-idle
[ "$(user_systemctl is-active vostramel-saver-idle)" = inactive ] || fail "the unit did not stop"
stop_user_manager

"${apt_get[@]}" remove -y -q vostramel-saver
trap 'cleanup; remove_user_cgroups' EXIT
[ ! -e /usr/lib/vostramel-saver ] || fail "/usr/lib/vostramel-saver is left after removal"
echo "package: passed"
