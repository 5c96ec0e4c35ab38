#!/usr/bin/env bash
# A form's output at scale 2 beside a cover at scale 1, on sway: the splash at
# its natural size in device pixels, and mouse steps counted in the form's
# device pixels, across onto the cover too.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"

outputs=(1280x800 1024x768)
start_sway "${outputs[@]}"
as_wayland_user swaymsg "output HEADLESS-1 scale 2, output HEADLESS-2 position 640 0" >/dev/null
install_wayland_program
# The layout is 640 + 1024 by 768 logical pixels.
start_virtual_pointer 1664 768
pointer_step "move 636 100"

start_wayland_saver WAYLAND_DEBUG=1
wait_for_covered "${outputs[@]}"
wait_for_pointer_at 636 100
# 2 logical pixels are 4 device pixels of the form, over the cover as well.
for x in 638 640; do pointer_step "move $x 100"; done
pointer_step "move 640 102"
wait_for_pointer_at 0 102
kill -0 "$saver" 2>/dev/null || fail "steps of 4 device pixels ended the saver"
# 3 are 6.
pointer_step "move 643 102"
expect_exit "$saver" 5
echo "sway scales: passed"
