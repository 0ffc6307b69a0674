#!/bin/sh
# Installs the Debian 12 packages that building, testing, running and packaging the player need.
# Safe to run again: it installs only what is missing and prints nothing when all is there.
set -eu

packages="
  build-essential
  cmake
  ninja-build
  pkg-config
  git
  zlib1g-dev
  libglib2.0-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  clang
  libclang-rt-14-dev
  qt6-base-dev
  qt6-qpa-plugins
  libgl-dev
  libpng-dev
  libjpeg-dev
  libgif-dev
  fontconfig
  fonts-liberation
  fonts-wine
  fonts-dejavu-core
  fonts-droid-fallback
  xvfb
  xdotool
  time
  libx11-dev
  libxcb1-dev
  libxfixes-dev
  xauth
  xcompmgr
  libsdl2-dev
  libasound2-dev
  libsndfile1-dev
  libopenmpt-dev
  libfluidsynth-dev
  timgm6mb-soundfont
  xdg-utils
  libogg-dev
  libspeex-dev
  qt6-webengine-dev
  libqt6webenginecore6-bin
  qt6-multimedia-dev
  qt6-pdf-dev
  gstreamer1.0-plugins-base
  gstreamer1.0-plugins-good
  gstreamer1.0-plugins-ugly
  gstreamer1.0-libav
  gstreamer1.0-gl
  gstreamer1.0-alsa
  dpkg-dev
  debhelper
"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  run_as_root=""
else
  run_as_root="sudo"
fi
echo "Installing:$missing"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
export DEBIAN_FRONTEND=noninteractive
# apt's chatter is kept and shown only when it fails.
# shellcheck disable=SC2086
if ! { $run_as_root apt-get update -qq && $run_as_root apt-get install -y -qq --no-install-recommends $missing; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
