#!/usr/bin/env bash
# xscreensaver 6 as the host: it runs the saver with "/s" in the window it
# names in XSCREENSAVER_WINDOW; the slideshow shows there, and xscreensaver
# ends it with SIGTERM when it unblanks (on its command or on a key).
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
xsetroot -solid '#808080'
program="$E2E_TMP/program"
install_program "$program"
status="$E2E_TMP/status"
record=$(recording_status "$status")

# xscreensaver launches nothing as root: it runs as an ordinary user whose
# home holds its settings, one program always chosen.
home="$E2E_TMP/home"
mkdir -p "$home/config"
cat >"$home/.xscreensaver" <<EOT
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
programs: "Vostramel Saver" $record $program/VostramelSaver.scr /s \n
EOT
as_user=(env HOME="$home" XDG_CONFIG_HOME="$home/config")
if [ "$(id -u)" = 0 ]; then
  chmod 755 "$E2E_TMP"
  chown -R nobody "$home" "$program" "$E2E_TMP"
  as_user+=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_user[@]}" xscreensaver --no-splash --verbose >"$E2E_TMP/xscreensaver.log" 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 1 100); do
  "${as_user[@]}" xscreensaver-command -time >/dev/null 2>&1 && break
  sleep 0.1
done

# blank_and_end COMMAND...: blanks, waits for the slideshow, unblanks with
# COMMAND and waits for the saver's end.
blank_and_end() {
  rm -f "$status"
  "${as_user[@]}" xscreensaver-command -activate >/dev/null
  wait_for_splash 312 234
  [ "$(pixel "$E2E_TMP/screen.png" 0 0)" = "0,0,0" ] || fail "the screen is not black around"
  # Drawn inside xscreensaver's window, not in a window of its own above it.
  xwininfo -children -id "$(wait_for_window VostramelSaver)" |
    grep -q "Parent window id: .*(the root window)" && fail "the saver opened its own window"
  "$@"
  wait_for_status "$status" 10
  wait_for_pixels 5 0,0=128,128,128 512,384=128,128,128
}

# xscreensaver ignores input for a moment after it blanks: keys until one counts.
press_keys() {
  for _ in $(seq 1 20); do
    xdotool key space
    [ -s "$status" ] && return 0
    sleep 0.5
  done
}

blank_and_end "${as_user[@]}" xscreensaver-command -deactivate
blank_and_end press_keys
echo "xscreensaver: passed"
