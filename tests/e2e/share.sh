# A share that stopped answering, for the end-to-end tests: a FUSE mirror of a
# folder whose reads hang after a file's first 4 KiB (hanging_share.py). Source
# it after lib.sh; a test without /dev/fuse is skipped, never passed.

# mount_hanging_share SOURCE MOUNTPOINT: mounts it; stalled reads are noted,
# a line per file name, in $share_stalls.
mount_hanging_share() {
  if [ ! -c /dev/fuse ]; then
    echo "skipped: no /dev/fuse for a share that stops answering"
    exit 77
  fi
  share_mount=$2
  share_stalls="$E2E_TMP/stalls"
  : >"$share_stalls"
  mkdir -p "$share_mount"
  /usr/bin/python3 "$VS_SOURCE/tests/e2e/hanging_share.py" "$1" "$share_mount" "$share_stalls" \
    2>"$E2E_TMP/share.log" &
  share_pid=$!
  trap 'unmount_hanging_share; cleanup' EXIT
  for _ in $(seq 1 100); do
    mountpoint -q "$share_mount" && return 0
    kill -0 "$share_pid" 2>/dev/null || break
    sleep 0.05
  done
  fail "the share could not be mounted, see $E2E_TMP/share.log"
}

# Before lib.sh's cleanup, which waits for the saver: the share's end fails
# every read still hanging, so a saver that failed to end gets its reads back.
unmount_hanging_share() {
  kill -KILL "$share_pid" 2>/dev/null || true
  wait "$share_pid" 2>/dev/null || true
  fusermount -u -z "$share_mount" 2>/dev/null || true
}

# silent_wav FILE: a valid WAV file of 12 s of silence (8 kHz, 16-bit mono),
# so that opening it reads far past its first 4 KiB.
silent_wav() {
  local bytes=192000
  le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) \
    $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
  {
    printf "RIFF$(le32 $((36 + bytes)))WAVEfmt "
    printf "$(le32 16)\x01\x00\x01\x00$(le32 8000)$(le32 16000)\x02\x00\x10\x00"
    printf "data$(le32 $bytes)"
    head -c "$bytes" /dev/zero
  } >"$1"
}

# share_samples FOLDER: far.bmp, larger than the screen, and far.wav, whose
# reads both go past the share's first 4 KiB.
share_samples() {
  mkdir -p "$1"
  /usr/bin/convert -size 1200x900 xc:'#3366cc' "BMP3:$1/far.bmp"
  silent_wav "$1/far.wav"
}

# share_settings IMAGE AUDIO: the settings file's lines, one entry each, or
# none for "-", a picture a second.
share_settings() {
  echo "[VOSTRAMELSAVER]"
  if [ "$1" = - ]; then echo "TOTAL_IMAGES_DISPLAY=0"; else
    echo "TOTAL_IMAGES_DISPLAY=1" && echo "IMAGES_FILE_0=$1"
  fi
  if [ "$2" = - ]; then echo "TOTAL_AUDIOS_DISPLAY=0"; else
    echo "TOTAL_AUDIOS_DISPLAY=1" && echo "AUDIOS_FILE_0=$2"
  fi
  echo "TIMER=1000"
}

# wait_for_stall NAME: until a read of the file NAME hangs.
wait_for_stall() {
  for _ in $(seq 1 100); do
    grep -qx "$1" "$share_stalls" && return 0
    sleep 0.1
  done
  fail "no read of $1 stalled"
}
