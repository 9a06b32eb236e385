#!/usr/bin/env bash
# Installs the Debian packages that building and testing Sonavert need.
# Safe to run again: it installs only what is missing and says what that is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libavfilter-dev
  libopencore-amrnb-dev libvo-amrwbenc-dev
  libgtest-dev
  ffmpeg xvfb xauth
  clang libclang-rt-14-dev
  valgrind
  desktop-file-utils appstream dpkg-dev file
  xdg-utils # xdg-open: Play, Browse and the links open files, folders and pages with it
  librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all build and test packages are installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: done"
