#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root).
# Usage: install-deps.sh [--windows]
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config git
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libjpeg62-turbo-dev libgif-dev
  libmp3lame-dev libx11-dev libxfixes-dev libxrandr-dev
  libwayland-dev wayland-protocols libxkbcommon-dev
  # the idle launcher: KDE's idle protocol, the X server's idle counter (SYNC)
  plasma-wayland-protocols libxext-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing: clang and its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # packaging: dpkg-shlibdeps works out the Debian package's dependencies; lintian checks it
  dpkg-dev lintian
  # run: fonts for the dialogs, the General MIDI sound font for MIDI files
  fonts-dejavu-core timgm6mb-soundfont
  # tests: a private X server, real input, screenshots
  xvfb xauth x11-utils xdotool imagemagick libimage-exiftool-perl
  # tests: monitors (xrandr), window managers with a panel, xfwm4's D-Bus session
  x11-xserver-utils xfwm4 openbox tint2 dbus-bin
  # tests: screen-saver hosts
  xscreensaver xautolock
  # tests: a share that stops answering (FUSE)
  fuse3 python3-fusepy
  # run: the toolkit's Wayland platform
  qt6-wayland
  # tests: headless Wayland compositors (tests/wayland/compositors.sh), key input on sway,
  # screenshots, a window that asks for the keyboard, sway's idle host, its tree read,
  # mutter's remote-desktop input from Python
  sway mutter weston wtype grim foot swayidle jq python3-dbus
  # tests: a systemd user manager with its session bus for the idle launcher's unit
  systemd dbus-user-session
)

# --windows: what the cross build for Windows needs instead (scripts/cross-deps.sh):
# the mingw-w64 compilers, Wine to run the tests, the tools that unpack and build
# Debian's source packages of the libraries, GoogleTest's sources, the PE reader that
# checks the program file's resources and imports; the build machine's compiler, Qt
# and a font for the tools that draw the splash picture and the icon; a private X
# server, real input, screenshots and the cursor probe for the whole-program tests.
if [ "${1:-}" = --windows ]; then
  packages=(
    cmake make dpkg-dev nasm googletest
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 python3-pefile
    g++ qt6-base-dev fonts-dejavu-core
    xvfb xauth x11-utils xdotool imagemagick libx11-dev libxfixes-dev
  )
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_get=(bash "$(dirname "$0")/apt-get-waiting.sh")
  "${apt_get[@]}" update -q
  "${apt_get[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi
