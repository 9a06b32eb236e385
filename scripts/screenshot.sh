#!/usr/bin/env bash
# Starts Sonavert under a virtual X server and writes a picture of its main
# window to the PNG file given as $1 (default: build/mainwindow.png), so the
# layout can be looked at without a desktop. Uses a throw-away settings folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
out="$(realpath -m "${1:-$build/mainwindow.png}")"
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" SONAVERT_SCREENSHOT="$out" \
  xvfb-run -a -s "-screen 0 1280x800x24" "$build/app/sonavert"
echo "screenshot: $out"
