#!/usr/bin/env bash
# Installs the Debian packages that building and testing Sonavert need.
# Safe to run again: it installs only what is missing and says what that is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools
  qt6-tools-dev qt6-l10n-tools # lupdate, lrelease and qt_add_translations
  qt6-translations-l10n # Qt's own texts (standard dialogs) in the user's language
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
  libopencore-amrnb-dev libvo-amrwbenc-dev
  libebur128-dev # loudness measurement in kescvt
  libgtest-dev
  ffmpeg xvfb xauth
  clang libclang-rt-14-dev
  valgrind
  desktop-file-utils appstream dpkg-dev file
  xdg-utils # xdg-open: Play, Browse and the links open files, folders and pages with it
  librsvg2-bin
  locales
  dbus-daemon xdotool lintian
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all build and test packages are installed"
else
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
  echo "setup: done"
fi

# A locale that writes numbers with a decimal comma, so that the tests can show
# that reading the converter's output does not depend on the user's locale.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
