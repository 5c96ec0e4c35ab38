#!/usr/bin/env bash
# Cross-builds, for 64-bit Windows, the libraries the shared layers use, from Debian's
# own source packages: libjpeg-turbo, giflib, SDL2 and SDL2_mixer (MP3 and WAV built
# in, MIDI through Windows' own synthesizer), and libmp3lame for the tests' MP3
# samples, all static. Run as root on Debian 12.
# Usage: cross-deps.sh [build folder, default build-win-deps]
# The libraries go to <build folder>/prefix; a library already there is not built again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win-deps}")
prefix=$build/prefix
sources=$build/src
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cc=x86_64-w64-mingw32-gcc-posix
jobs=$(nproc)

have() { [ -e "$prefix/$1" ]; }

# The compilers and Wine are needed also when the libraries are cached.
bash "$root/scripts/install-deps.sh" --windows
if have lib/libjpeg.a && have lib/libgif.a && have lib/libSDL2.a && have lib/libSDL2_mixer.a \
  && have lib/libmp3lame.a; then
  exit 0
fi

# apt-get source needs a deb-src entry; Debian 12 images carry none.
if ! grep -qs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list \
  /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
  cat >/etc/apt/sources.list.d/debian-src.sources <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  bash "$root/scripts/apt-get-waiting.sh" update -q
fi

mkdir -p "$sources" "$prefix"

# Unpacks a source package once; prints its folder. (apt-get source takes no lock: it
# downloads into the current folder.)
unpack() {
  local package=$1
  local dir
  dir=$(find "$sources" -maxdepth 1 -mindepth 1 -type d -name "$package-[0-9]*" | head -n 1)
  if [ -z "$dir" ]; then
    (cd "$sources" && apt-get source -q "$package" >&2)
    dir=$(find "$sources" -maxdepth 1 -mindepth 1 -type d -name "$package-[0-9]*" | head -n 1)
  fi
  echo "$dir"
}

# Configures, builds and installs a CMake project for Windows.
cmake_build() {
  local dir=$1
  shift
  cmake -S "$dir" -B "$dir/build-win" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVS_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$dir/build-win" -j "$jobs" >/dev/null
  cmake --install "$dir/build-win" >/dev/null
}

if ! have lib/libjpeg.a; then
  echo "libjpeg-turbo"
  cmake_build "$(unpack libjpeg-turbo)" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF
fi

# giflib's Makefile builds shared libraries and utilities for the host; its library
# is a handful of C files.
if ! have lib/libgif.a; then
  echo "giflib"
  dir=$(unpack giflib)
  objects=$build/giflib-objects
  mkdir -p "$objects"
  for file in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray; do
    "$cc" -O2 -c "$dir/$file.c" -I"$dir" -o "$objects/$file.o"
  done
  mkdir -p "$prefix/lib" "$prefix/include"
  rm -f "$prefix/lib/libgif.a"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libgif.a" "$objects"/*.o
  cp "$dir/gif_lib.h" "$prefix/include/"
fi

if ! have lib/libSDL2.a; then
  echo "SDL2"
  cmake_build "$(unpack libsdl2)" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
fi

if ! have lib/libSDL2_mixer.a; then
  echo "SDL2_mixer"
  cmake_build "$(unpack libsdl2-mixer)" -DSDL2MIXER_SAMPLES=OFF \
    -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
    -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
    -DSDL2MIXER_MIDI=ON -DSDL2MIXER_MIDI_NATIVE=ON -DSDL2MIXER_MIDI_TIMIDITY=OFF \
    -DSDL2MIXER_MIDI_FLUIDSYNTH=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_FLAC=OFF \
    -DSDL2MIXER_MOD=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF \
    -DSDL2MIXER_CMD=OFF
fi

# Only the encoder library: no frontend, decoder or documentation; its warnings are
# not ours to fix.
if ! have lib/libmp3lame.a; then
  echo "lame"
  dir=$(unpack lame)
  (cd "$dir" && ./configure -q --host=x86_64-w64-mingw32 CC="$cc" --prefix="$prefix" \
    --disable-shared --enable-static --disable-frontend --disable-decoder \
    --disable-gtktest --disable-analyzer-hooks CFLAGS="-O2 -w" >/dev/null)
  make -C "$dir/libmp3lame" -j "$jobs" install >/dev/null
  make -C "$dir/include" install >/dev/null
fi
