#!/usr/bin/env bash
# The configuration dialog of the Windows program under Wine, driven by real
# input: browse to a folder of pictures, add them all, change the display time,
# open About and the licence and close them by keys, OK by its access key; the
# settings in the prefix's APPDATA hold what a Linux run writes.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$VS_SOURCE/tests/windows/e2e/wine.sh"

start_xvfb 1024x768
program="$E2E_TMP/program"
mkdir -p "$program"
cp "$VS_BUILD/VostramelSaver.scr" "$program/"
settings=$(wine_settings)
rm -f "$settings"
pictures="$E2E_TMP/start/pictures"
mkdir -p "$pictures"
for colour in red lime blue; do
  /usr/bin/convert -size 200x150 "xc:$colour" "BMP3:$pictures/${colour^^}.BMP"
done
folder=$(wine_windows_path "$pictures")

# region_mean X Y WIDTH HEIGHT: the mean brightness (0 to 1) of a part of the
# dialog's client area on a fresh screenshot.
region_mean() {
  screenshot "$E2E_TMP/screen.png"
  /usr/bin/convert "$E2E_TMP/screen.png" -crop "$3x$4+$((left + $1))+$((top + $2))" \
    -colorspace gray -format "%[fx:mean]" info:
}

# wait_for_text X Y WIDTH HEIGHT: until that part of a white list shows text.
wait_for_text() {
  for _ in $(seq 1 50); do
    [ "$(region_mean "$@" | cut -c1-4)" != "1" ] && return 0
    sleep 0.2
  done
  fail "no text at $* in the dialog, see $E2E_TMP/screen.png"
}

click_at() { xdotool mousemove --window "$dialog" "$1" "$2" click 1; }

# wait_until_gone NAME: until no window of that name is mapped.
wait_until_gone() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' is still shown"
}

cd "$E2E_TMP/start"  # the dialog starts in the process's directory
wine_start "$program/VostramelSaver.scr" /c
config=$wine_pid
cd - >/dev/null
dialog=$(wait_for_window "VostramelSaver Screen Saver Configuration")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
left=$X
top=$Y
# Drawn: the source area's dark red frame.
wait_for_pixels 10 "$((left + 16)),$((top + 8))=192,0,0" "$((left + 312)),$((top + 168))=0,192,0"

click_at 100 92     # Dir1: select an entry
xdotool key End Return # open the last entry, the only subdirectory
wait_for_text 26 186 190 12   # File1 lists its pictures
click_at 272 212    # Add All
wait_for_text 322 66 200 12   # list1 holds them
timer_before=$(region_mean 322 322 24 20)
click_at 360 343    # vsTimer's lower arrow: 5 -> 6
for attempt in $(seq 1 50); do
  [ "$(region_mean 322 322 24 20)" != "$timer_before" ] && break
  [ "$attempt" = 50 ] && fail "txtTimer did not change"
  sleep 0.2
done
# About and the licence by their access keys; each closes back to its opener,
# whose keyboard focus returns.
xdotool key alt+b
wait_for_window "About VostramelSaver" >/dev/null
xdotool key alt+l
wait_for_window "More Information" >/dev/null
xdotool key Tab Return # from the licence text to its OK
wait_until_gone "More Information"
xdotool key alt+o      # About's &Ok
wait_until_gone "About VostramelSaver"
xdotool key alt+o      # the dialog's &OK
expect_exit "$config" 20

[ -f "$settings" ] || fail "no settings file at $settings"
values=$(tr -d '\r' <"$settings")
expect_line() { grep -qxF "$1" <<<"$values" || fail "'$1' not in the settings: $values"; }
expect_line "[VOSTRAMELSAVER]"
expect_line "TOTAL_IMAGES_DISPLAY=3"
expect_line "IMAGES_FILE_0=$folder\\BLUE.BMP"
expect_line "IMAGES_FILE_1=$folder\\LIME.BMP"
expect_line "IMAGES_FILE_2=$folder\\RED.BMP"
expect_line "TOTAL_AUDIOS_DISPLAY=0"
expect_line "TIMER=6000"
rm -f "$settings"
echo "configuration dialog under Wine: passed"
