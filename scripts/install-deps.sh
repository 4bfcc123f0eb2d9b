#!/usr/bin/env bash
# Installs every Debian package the builds and tests need. Safe to run again:
# apt skips what is already there, and the i386 architecture is added once.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev dpkg-dev python3-glad python3-numpy glslang-tools libgtest-dev
  libx11-dev libx11-xcb-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libxft-dev
  libgl-dev libegl-dev fonts-dejavu-core
  g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386 wine64
  libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libxrandr2:i386 libxrender1:i386
  libxi6:i386 libxcursor1:i386 libxcomposite1:i386 libxinerama1:i386 libxxf86vm1:i386
  libxfixes3:i386
  xvfb xauth xdotool x11-apps x11-utils imagemagick xscreensaver xscreensaver-gl
  xserver-xorg-core xserver-xorg-video-dummy xserver-xephyr x11-xserver-utils
  lintian mandoc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get -o DPkg::Lock::Timeout=600 update -q
apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${packages[@]}"
