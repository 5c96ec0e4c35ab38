#!/usr/bin/env bash
# Fails when a source file includes a layer above its own, or a toolkit or
# operating-system header outside the code that implements the platform.
# Usage: check_layers.sh [source root]; prints every offending line.
set -uo pipefail
root=${1:-$(dirname "$0")/../src}
cd "$root" || exit 2

# Each layer with the project folders it may include.
allowed_for() {
  case $1 in
    core/*) echo "core" ;;
    formats/*) echo "core formats" ;;
    platform/linux/* | platform/windows/* | platform/sdl/* | platform/ini/* | platform/events/* | platform/controls/* | platform/design/*) echo "core formats platform" ;;
    platform/*) echo "core platform" ;;
    settings/*) echo "core platform settings" ;;
    playback/*) echo "core platform settings playback" ;;
    saver/*) echo "core platform settings playback saver" ;;
    about/*) echo "core platform settings about" ;;
    config/*) echo "core platform settings about config" ;;
    idle/*) echo "core platform idle" ;;
    main/*) echo "*" ;;
    *) echo "" ;;
  esac
}

# System headers that only the platform's implementation may use; the
# formats' file access may use the operating system's, the decoders their libraries.
toolkit='^#include *<(Q[A-Za-z]*|SDL[^>]*|xcb/[^>]*|X11/[^>]*)>'
os='^#include *<(unistd\.h|fcntl\.h|pwd\.h|dirent\.h|signal\.h|sys/[^>]*|windows\.h)>'
codecs='^#include *<(jpeglib\.h|jerror\.h|gif_lib\.h)>'

status=0
report() { echo "$1: $2"; status=1; }

while IFS= read -r file; do
  allowed=$(allowed_for "$file")
  [ "$allowed" = "*" ] && continue
  [ -n "$allowed" ] || { report "$file" "lies in no layer"; continue; }
  while IFS= read -r line; do
    target=${line#*\"}
    target=${target%%\"*}
    case $target in */*) ;; *) continue ;; esac  # a header beside the file
    top=${target%%/*}
    [ "$top" = platform ] && case $target in platform/linux/* | platform/windows/*) top=platform-impl ;; esac
    [ "$top" = platform-impl ] && case $file in platform/linux/* | platform/windows/*) continue ;; esac
    [[ " $allowed " == *" $top "* ]] || report "$file" "$line"
  done < <(grep -E '^#include *"' "$file")
  case $file in platform/linux/* | platform/windows/* | platform/sdl/*) continue ;; esac
  grep -E "$toolkit" "$file" | while IFS= read -r line; do echo "$file: $line"; done
  grep -qE "$toolkit" "$file" && status=1
  case $file in formats/io/posix/* | formats/io/windows/*) continue ;; esac
  if grep -qE "$os" "$file"; then report "$file" "$(grep -E "$os" "$file" | head -1)"; fi
  case $file in formats/picture/*) continue ;; esac
  if grep -qE "$codecs" "$file"; then report "$file" "$(grep -E "$codecs" "$file" | head -1)"; fi
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

[ $status -eq 0 ] && echo "every include stays within its layer"
exit $status
