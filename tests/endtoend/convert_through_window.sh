#!/usr/bin/env bash
# The real program, end to end, used as a person would: under a virtual X
# server Sonavert starts with a generated WAV as its argument, the Convert
# button is clicked, and the MP3 must appear in the Documents folder with the
# WAV's duration. Needs xvfb-run, xdotool and ffprobe.
set -euo pipefail
build="$(realpath "$1")"

if [ "${2:-}" != "--inside" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  exec_status=0
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" --inside "$work" || exec_status=$?
  exit "$exec_status"
fi
work="$3"

mkdir -p "$work/config/Kestrune" "$work/home/Documents" "$work/music"
# No first-run help over the window, no file manager after the batch.
printf '[Options]\nFirstRun=0\nBrowseOutputFolder=0\n' >"$work/config/Kestrune/Sonavert.ini"
python3 - "$work/music/tone.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100)
    w.writeframes(b"".join(struct.pack("<hh", s, s) for s in
                           (int(8000 * math.sin(2 * math.pi * 440 * i / 44100)) for i in range(44100 * 3))))
PY

export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
# A bus that is not there: this start runs its own window, whatever else runs.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
unset XDG_DOCUMENTS_DIR QT_QPA_PLATFORM
cd "$work/music"
"$build/app/sonavert" tone.wav &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 60); do
  window="$(xdotool search --onlyvisible --name '^Sonavert$' 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "no Sonavert window"; exit 1; }

mp3="$work/home/Documents/tone.mp3"
# The WAV is added once the window is up; until it is, Convert finds an empty
# list and says so in a message box, which is closed before the next try.
for _ in $(seq 20); do
  sleep 1
  xdotool mousemove --window "$window" 64 219 click 1
  for _ in $(seq 60); do
    [ -s "$mp3" ] && break 2
    if [ "$(xdotool search --onlyvisible --name '^Sonavert$' 2>/dev/null | wc -l)" -gt 1 ]; then
      xdotool key Return
      break
    fi
    sleep 0.5
  done
done
[ -s "$mp3" ] || { echo "no MP3 written"; exit 1; }

duration="$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$mp3")"
awk -v d="$duration" 'BEGIN { exit !(d > 2.95 && d < 3.1) }' || { echo "MP3 lasts $duration s, not 3 s"; exit 1; }

# The Close button ends the program.
xdotool mousemove --window "$window" 679 21 click 1
for _ in $(seq 60); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$program" 2>/dev/null; then echo "Close did not end the program"; exit 1; fi
wait "$program"
echo "converted through the window: tone.mp3, $duration s"
