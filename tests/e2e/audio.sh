#!/usr/bin/env bash
# Music through SDL's disk driver: WAV, MP3 and MIDI each reach the output
# as real, non-silent samples while the saver runs. Without a sound card the
# music plays on silently. Either way stderr holds no line of the sound
# libraries.
. "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
prepare_demo
# As in a desktop session, where Qt has nothing to say about it.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# wait_for_sound FILE: a sample louder than 1000 in the raw output FILE.
wait_for_sound() {
  for _ in $(seq 1 100); do
    [ -s "$1" ] && [ "$(raw_peak "$1")" -gt 1000 ] && return 0
    sleep 0.1
  done
  fail "$tune: the output stays silent"
}

# no_foreign_lines: nothing on the saver's stderr but SDL's two-line notice
# that the tests' own disk driver is in use.
no_foreign_lines() {
  local lines
  lines=$(grep -v -e "You are using the SDL disk i/o audio driver" \
    -e "^CRITICAL: *Writing to file \[" "$E2E_TMP/stderr") || true
  [ -z "$lines" ] || fail "$tune: lines on stderr: $lines"
}

# play TUNE: settings that play only that file of the demo set.
play() {
  tune=$1
  sed -i "s|^TOTAL_AUDIOS_DISPLAY=.*|TOTAL_AUDIOS_DISPLAY=1|; s|^AUDIOS_FILE_0=.*|AUDIOS_FILE_0=$demo/media/$tune|" "$ini"
}

for tune in chime.wav bells.mp3 tune.mid; do
  play $tune
  output="$E2E_TMP/$tune.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$output" "$program/VostramelSaver.scr" /s \
    2>"$E2E_TMP/stderr" &
  saver=$!
  E2E_PIDS+=($saver)
  wait_for_window VostramelSaver >/dev/null
  wait_for_sound "$output"
  xdotool key Escape
  expect_exit $saver 5
  grep -q "Error out in audio object" "$program/VostramelSaver.log" && fail "$tune: audio failed"
  no_foreign_lines
  echo "$tune: peak $(raw_peak "$output")"
done

# No sound card, whatever this machine has: ALSA's default device names a card
# that does not exist. The silent device's thread shows the music playing.
play chime.wav
echo 'pcm.!default { type hw card { @func card_inum card NoSuchCard } }' >"$E2E_TMP/asound.conf"
SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH="$E2E_TMP/asound.conf" "$program/VostramelSaver.scr" /s \
  2>"$E2E_TMP/stderr" &
saver=$!
E2E_PIDS+=($saver)
wait_for_window VostramelSaver >/dev/null
for _ in $(seq 1 100); do
  grep -qs "^SDLAudio" /proc/$saver/task/*/comm && break
  sleep 0.1
done
grep -qs "^SDLAudio" /proc/$saver/task/*/comm || fail "no sound card: the music does not play"
xdotool key Escape
expect_exit $saver 5
grep -q "Error out in audio object" "$program/VostramelSaver.log" && fail "no sound card: audio failed"
no_foreign_lines
echo "audio: passed"
