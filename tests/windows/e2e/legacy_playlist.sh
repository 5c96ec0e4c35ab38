#!/usr/bin/env bash
# Under Wine, files that older Windows programs wrote in the ANSI code page: a
# settings value and an M3U list naming "música" in Windows-1252 play the
# song (through SDL's disk driver: non-silent samples reach the output).
. "$VS_SOURCE/tests/e2e/lib.sh"
. "$(dirname "$0")/wine.sh"

wine_program_on_xvfb
music="$E2E_TMP/música"
mkdir -p "$music"
wine_run "$VS_HELPER" sine "$(wine_windows_path "$music")\\música.wav" 3
printf 'm\xfasica.wav\r\n' >"$music/lista.m3u"
settings=$(wine_settings)
mkdir -p "$(dirname "$settings")"
{
  crlf_lines "[VOSTRAMELSAVER]" "TOTAL_IMAGES_DISPLAY=0" "TOTAL_AUDIOS_DISPLAY=1"
  crlf_lines "AUDIOS_FILE_0=$(wine_windows_path "$music")\\lista.m3u" "TIMER=5000"
} | iconv -f UTF-8 -t WINDOWS-1252 >"$settings"

output="$E2E_TMP/output.raw"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$(wine_windows_path "$output") \
  wine_start "$program/VostramelSaver.scr" /s
saver=$wine_pid
wait_for_window VostramelSaver >/dev/null
for _ in $(seq 1 100); do
  grep -q "Error out in audio object" "$log" 2>/dev/null && fail "no music: $(tr -d '\r' <"$log")"
  [ -s "$output" ] && [ "$(raw_peak "$output")" -gt 1000 ] && break
  sleep 0.1
done
[ -s "$output" ] && [ "$(raw_peak "$output")" -gt 1000 ] || fail "the song did not play"
xdotool key Escape
expect_exit "$saver" 10
rm -f "$settings"
echo "lists and settings in the ANSI code page under Wine: passed"
