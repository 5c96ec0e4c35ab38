#!/usr/bin/env bash
# The saver on sway's layer shell: three outputs of different sizes black but
# for the splash at its natural size centred on the first, the cursor hidden,
# an output added later covered too; a window opened and made full-screen
# afterwards stays beneath it and gets no keys: a key still ends the saver.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"

outputs=(1280x800 1024x768 800x600)
start_sway "${outputs[@]}"
install_wayland_program
start_virtual_keyboard
start_virtual_pointer 3104 800
# Over the second output, where grim shows the cursor on the plain desktop.
pointer_step "move 1800 400"
shown() {
  output_shot HEADLESS-2 "$E2E_TMP/desktop.png" -c &&
    [ "$(/usr/bin/convert "$E2E_TMP/desktop.png" -format '%[min]' info:)" != \
      "$(/usr/bin/convert "$E2E_TMP/desktop.png" -format '%[max]' info:)" ]
}
wait_until "grim shows no cursor on the desktop: its hiding could not be seen" shown

start_wayland_saver
wait_for_covered "${outputs[@]}"
hidden() { output_shot HEADLESS-2 "$E2E_TMP/cursor.png" -c && black_but "$E2E_TMP/cursor.png"; }
wait_until "the cursor shows over the saver, see $E2E_TMP/cursor.png" hidden

as_wayland_user swaymsg create_output >/dev/null
added() { output_shot HEADLESS-4 "$E2E_TMP/HEADLESS-4.png" && black_but "$E2E_TMP/HEADLESS-4.png"; }
wait_until "the output added later is not covered, see $E2E_TMP/HEADLESS-4.png" added

"${WAYLAND_RUN[@]}" foot --app-id=vs-latecomer sleep 600 >"$E2E_TMP/foot.log" 2>&1 &
E2E_PIDS+=($!)
wait_until "foot did not open its window" sway_window vs-latecomer true
as_wayland_user swaymsg '[app_id=vs-latecomer] fullscreen enable' >/dev/null
wait_until "foot did not go full screen" sway_window vs-latecomer '.fullscreen_mode == 1'
covered "${outputs[@]}" || fail "the full-screen window shows over the saver, see $E2E_TMP/HEADLESS-1.png"

as_wayland_user wtype x
expect_exit "$saver" 5
echo "sway covers: passed"
