#!/usr/bin/env bash
# The configuration dialog and its About and licence windows on sway, through
# the toolkit's Wayland platform, driven by keys alone: captions, access keys
# and the tab order as on X; browse to a folder of pictures, add them all,
# change the display time, OK; About, the licence and back, Cancel.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"

start_sway 1280x800
install_wayland_program
start_virtual_keyboard
pictures="$E2E_TMP/start/pictures"
mkdir -p "$pictures"
for colour in red lime blue; do
  /usr/bin/convert -size 200x150 "xc:$colour" "BMP3:$pictures/${colour^^}.BMP"
done
chmod -R a+rX "$E2E_TMP/start"
ini="$WAYLAND_HOME/.config/VostramelSaver.ini"

focused() { sway_window VostramelSaver ".focused and .name == \"$1\""; }
wait_for_focus() { wait_until "'$1' did not get the keyboard" focused "$1"; }
keys() { as_wayland_user wtype "$@"; }
alt() { keys -M alt "$1" -m alt; }

start_dialog() {
  (cd "$E2E_TMP/start" &&
    exec "${WAYLAND_RUN[@]}" "$program/VostramelSaver.scr" /c 2>"$E2E_TMP/dialog.err") &
  config=$!
  E2E_PIDS+=($config)
  wait_for_focus "VostramelSaver Screen Saver Configuration"
}

start_dialog
# From OK, where the focus starts, Tab passes the image list, Add All and
# Cancel (the other buttons are off) to the directory list.
keys -k Tab -k Tab -k Tab -k Tab
keys -k End -k Return                  # open the last entry, the only subdirectory
alt l                                  # Add A&ll; the focus stays
# Back from the directory list past Cancel, Add All, the image list, OK and
# the music list to the display time.
keys -M shift -k Tab -k Tab -k Tab -k Tab -k Tab -k Tab -m shift
keys -k Down                           # 5 -> 6
alt o                                  # &OK
expect_exit "$config" 5
grep -q "^TOTAL_IMAGES_DISPLAY *= *3" "$ini" || fail "image count not saved"
grep -q "^IMAGES_FILE_0 *= *$pictures/BLUE.BMP" "$ini" || fail "first image not saved"
grep -q "^TIMER *= *6000" "$ini" || fail "display time not saved"

cp "$ini" "$E2E_TMP/saved.ini"
start_dialog
alt b                                  # A&bout
wait_for_focus "About VostramelSaver"
keys -k Return                         # &License holds the focus
wait_for_focus "More Information"
keys -k Tab -k space                   # OK, which has no access key
wait_for_focus "About VostramelSaver"
alt o                                  # &Ok
wait_for_focus "VostramelSaver Screen Saver Configuration"
alt c                                  # &Cancel
expect_exit "$config" 5
cmp -s "$ini" "$E2E_TMP/saved.ini" || fail "Cancel changed the settings"
[ -s "$E2E_TMP/dialog.err" ] && fail "the dialog printed: $(cat "$E2E_TMP/dialog.err")"
echo "sway dialogs: passed"
