#!/usr/bin/env bash
# Starts Sonavert under a virtual X server and writes pictures of its main
# window (with a few generated files in the list), the context menu, the help
# menu, a conversion in progress, the Options sheet and the About box into a folder (default:
# build/screenshots), so the look can be checked without a desktop. Uses a
# throw-away settings folder. Needs a build with sonavert-screenshots and kescvt.
# QT_SCALE_FACTOR=2 in the environment gives the pictures at 200 %.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
out="$(realpath -m "${1:-$build/screenshots}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/config" "$work/files"

# A few short tone files for the list, made with the standard library only.
python3 - "$work/files" <<'PY'
import math, os, struct, sys, wave
names = ["Morning Theme.wav", "interview_take2.wav", "Bells (live).wav",
         "voice memo 0417.wav", "Ambient loop.wav"]
for n, name in enumerate(names):
    rate, seconds = 8000, 200 + 30 * n  # long enough that two conversions report at once
    with wave.open(os.path.join(sys.argv[1], name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / rate)))
                               for i in range(rate * seconds)))
PY

# The tour converts with "open the output folder" on: a stand-in opener keeps the
# desktop's own (or its absence, and the message about it) out of the pictures.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexit 0\n' > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

# A screen with room for the window at its larger size, scaled.
scale="${QT_SCALE_FACTOR:-1}"
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 1280 * s }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 900 * s }')
XDG_CONFIG_HOME="$work/config" HOME="$work" \
  xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$build/app/sonavert-screenshots" "$out" "$work/files"
ls "$out"
echo "screenshots: $out"
