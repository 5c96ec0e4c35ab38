#!/usr/bin/env bash
# The mouse on sway: steps of 2 px, across from the form's output onto a
# cover too, keep the saver running; a jump of 10 px ends it, and so does a
# click over another output. WAYLAND_DEBUG shows when the saver has been told
# of a position.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/compositors.sh"

outputs=(1280x800 1024x768 800x600)
start_sway "${outputs[@]}"
install_wayland_program
start_virtual_pointer 3104 800

# The first position the saver hears of only records it: the surface comes
# under the pointer.
pointer_step "move 1274 400"
start_wayland_saver WAYLAND_DEBUG=1
wait_for_covered "${outputs[@]}"
wait_for_pointer_at 1274 400
for x in 1276 1278 1280 1282; do pointer_step "move $x 401"; done
# Onto the cover at 1280: 0 on its own surface, 1280 on the form.
wait_for_pointer_at 0 401
# Each position is handled before the next one is read: so all but the last were.
pointer_step "move 1284 402"
wait_for_pointer_at 4 402
kill -0 "$saver" 2>/dev/null || fail "steps of 2 px ended the saver"
pointer_step "move 1294 402"
expect_exit "$saver" 5

pointer_step "move 1800 400"
start_wayland_saver WAYLAND_DEBUG=1
wait_for_covered "${outputs[@]}"
wait_for_pointer_at 520 400
pointer_step click
expect_exit "$saver" 5
echo "sway pointer: passed"
