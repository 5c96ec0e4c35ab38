#!/usr/bin/env bash
# The saver installed under a prefix and run through its launcher by a user
# who cannot write the program's folder: the log goes to the user's state
# folder, start-up deletes the old one there, and a key ends the saver.
. "$(dirname "$0")/lib.sh"

prefix="$E2E_TMP/prefix"
cmake --install "$VS_BUILD" --prefix "$prefix" >"$E2E_TMP/install.log"
for file in bin/vostramel-saver bin/vostramel-saver-idle lib/vostramel-saver/VostramelSaver.scr \
  lib/vostramel-saver/vostramelsaver.jpg share/applications/vostramel-saver.desktop \
  share/man/man1/vostramel-saver.1.gz share/man/man1/vostramel-saver-idle.1.gz \
  lib/systemd/user/vostramel-saver-idle.service share/vostramel-saver/vostramel-saver-idle.desktop \
  share/doc/vostramel-saver/copyright share/xscreensaver/config/vostramel-saver.xml; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
chmod -R a-w "$prefix/lib/vostramel-saver"
trap 'chmod -R u+w "$prefix"; cleanup' EXIT

# Root may write anywhere, so root runs the saver as an ordinary user (an
# array, not a function, so that $! is the program itself).
home="$E2E_TMP/home"
mkdir -p "$home"
as_user=(env HOME="$home")
if [ "$(id -u)" = 0 ]; then
  chmod 755 "$E2E_TMP"
  chown nobody "$home"
  as_user+=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# wait_for_lines FILE COUNT: waits until FILE holds COUNT lines.
wait_for_lines() {
  for _ in $(seq 1 100); do
    [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "$1 did not reach $2 lines"
}

start_xvfb 1024x768
unset XDG_CONFIG_HOME XDG_STATE_HOME
"${as_user[@]}" "$prefix/bin/vostramel-saver" /s &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
log="$home/.local/state/VostramelSaver.log"
wait_for_lines "$log" 6
diff <(head -n 6 "$log") <(crlf_lines "Open file" "s mode" "load loadini" "sucessfully loadini" \
  5000 5000) || fail "the saver's log differs"
[ "$(stat -c %a "$home/.local/state")" = 700 ] || fail "the state folder is not private"
[ ! -e "$prefix/lib/vostramel-saver/VostramelSaver.log" ] || fail "a log beside the program"
xdotool key space
expect_exit $saver 5

# XDG_STATE_HOME wins over the default, and the previous log there is deleted.
state="$home/state"
"${as_user[@]}" mkdir "$state"
printf 'stale\r\n' >"$state/VostramelSaver.log"
XDG_STATE_HOME="$state" "${as_user[@]}" "$prefix/bin/vostramel-saver" /p &
other=$!
expect_exit $other 5
diff <(crlf_lines "Open file" "Others mode") "$state/VostramelSaver.log" ||
  fail "the log in XDG_STATE_HOME differs"
echo "installed saver: passed"
