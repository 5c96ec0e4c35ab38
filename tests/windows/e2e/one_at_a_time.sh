#!/usr/bin/env bash
# Under Wine, the saver in a folder whose name holds a blank and an "s": an
# unquoted command line with "/p 123" is the preview's quiet end; a second
# "/s" while a saver runs ends at once and leaves the first's log alone;
# another program taking the foreground ends the saver with status 0.
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb "My Savers"
rm -f "$(wine_settings)"

# Windows splits such a line at the blank; the program's own path comes off
# the front whole.
scr=$(wine_windows_path "$program/VostramelSaver.scr")
wine_run "$VS_HELPER" spawn "$scr" "$scr /p 123" || fail "the unquoted /p ended with status $?"
diff <(crlf_lines "Open file" "Others mode") "$log" || fail "the unquoted /p's log differs"

wine_start_saver
cp "$log" "$E2E_TMP/first.log"

wine_start "$program/VostramelSaver.scr" /s
expect_exit "$wine_pid" 10
cmp "$E2E_TMP/first.log" "$log" || fail "the second /s touched the first's log"
kill -0 "$saver" 2>/dev/null || fail "the first saver ended"

# Another program's window becomes the active one.
wine_start notepad
expect_exit "$saver" 10
echo "one saver at a time under Wine: passed"
