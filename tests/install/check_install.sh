#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed program:
# the launcher reaches the real executable, kescvt and the help page lie beside
# it and kescvt reads a generated WAV, and the desktop and AppStream files validate.
set -euo pipefail
build="$1"
source_dir="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

program="$(readlink -f "$prefix/bin/sonavert")"
folder="$(dirname "$program")"
[ "$folder" = "$(readlink -f "$prefix/lib/sonavert")" ] || { echo "launcher points to $program"; exit 1; }
[ -x "$folder/sonavert" ] || { echo "no sonavert in $folder"; exit 1; }
[ -f "$folder/snvc.html" ] || { echo "no help page in $folder"; exit 1; }

if [ -x "$build/app/kescvt" ]; then
  [ -x "$folder/kescvt" ] || { echo "no kescvt beside sonavert"; exit 1; }
  wav="$prefix/tone.wav"
  python3 - "$wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100)
    frames = b"".join(struct.pack("<hh", int(8000 * math.sin(i / 10.0)), int(8000 * math.sin(i / 10.0)))
                      for i in range(44100 * 2))
    w.writeframes(frames)
PY
  out="$("$folder/kescvt" -i "$wav" 2>&1)"
  grep -q "Duration: 00:00:02" <<<"$out" || { echo "kescvt -i said: $out"; exit 1; }
  grep -q "Audio: pcm_s16le, 44100 Hz, stereo" <<<"$out" || { echo "kescvt -i said: $out"; exit 1; }
fi

entry="$prefix/share/applications/com.kestrune.Sonavert.desktop"
desktop-file-validate "$entry"
# File managers offer "Open With Sonavert" for the types it reads.
grep -qx 'Exec=sonavert %F' "$entry" || { echo "the desktop entry takes no files"; exit 1; }
for type in audio/mpeg audio/x-wav audio/flac video/mp4; do
  grep -q "^MimeType=.*$type;" "$entry" || { echo "the desktop entry lacks $type"; exit 1; }
done
[ -f "$prefix/share/man/man1/sonavert.1.gz" ] || { echo "no manual page"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/com.kestrune.Sonavert.metainfo.xml" >/dev/null
for size in 16 32 48 128 256; do
  icon="$source_dir/res/icons/sonavert-$size.png"
  if [ -f "$icon" ]; then
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/com.kestrune.Sonavert.png" ] || { echo "icon $size missing"; exit 1; }
  fi
done
echo "install tree ok"
