#!/usr/bin/env bash
# Music through SDL's disk driver: WAV, MP3 and MIDI each reach the output
# as real, non-silent samples while the saver runs.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
prepare_demo

for tune in chime.wav bells.mp3 tune.mid; do
  sed -i "s|^TOTAL_AUDIOS_DISPLAY=.*|TOTAL_AUDIOS_DISPLAY=1|; s|^AUDIOS_FILE_0=.*|AUDIOS_FILE_0=$demo/media/$tune|" "$ini"
  output="$E2E_TMP/$tune.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$output" "$program/VostramelSaver.scr" /s &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_window VostramelSaver >/dev/null
  sleep 2.5
  xdotool key Escape
  expect_exit $saver 5
  [ -s "$output" ] || fail "$tune: nothing reached the audio output"
  level=$(raw_peak "$output")
  [ "$level" -gt 1000 ] || fail "$tune: the output is silent (peak $level)"
  grep -q "Error out in audio object" "$program/VostramelSaver.log" && fail "$tune: audio failed"
  echo "$tune: peak $level"
done
echo "audio: passed"
