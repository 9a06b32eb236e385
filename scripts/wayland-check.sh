#!/usr/bin/env bash
# Runs the screenshot tour (see scripts/screenshot.sh) under a headless Wayland
# compositor, weston, with Qt's Wayland plugin: the frameless window, its menus,
# the progress window of an add, the Options sheet and the About box all open
# there, and the pictures the tour takes of them land in a folder (default:
# build/screenshots-wayland). Needs weston and qt6-wayland (scripts/setup.sh)
# and a build.
set -euo pipefail
failed=0
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
out="$(realpath -m "${1:-$build/screenshots-wayland}")"
work="$(mktemp -d)"
compositor=""
cleanup() {
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$out" "$work/runtime" "$work/config/Kestrune" "$work/files"
# No first-run help over the window.
printf '[Options]\nFirstRun=0\n' >"$work/config/Kestrune/Sonavert.ini"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# --debug and a renderer (pixman) let weston-screenshooter take a picture of what the
# compositor shows.
weston --backend=headless-backend.so --use-pixman --socket=sonavert-wayland --width=1280 --height=900 \
  --idle-time=0 --no-config --debug >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/sonavert-wayland" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/sonavert-wayland" ] || { cat "$work/weston.log"; echo "weston did not start"; exit 1; }

python3 - "$work/files" <<'PY'
import math, os, struct, sys, wave
for n, name in enumerate(["Morning Theme.wav", "interview_take2.wav"]):
    with wave.open(os.path.join(sys.argv[1], name), "wb") as w:
        w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
        w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(i / 3.0))) for i in range(8000 * (2 + n))))
PY

# Logs of Qt's Wayland plugin show whether the compositor took the window.
WAYLAND_DISPLAY=sonavert-wayland QT_QPA_PLATFORM=wayland XDG_CONFIG_HOME="$work/config" HOME="$work" \
  QT_LOGGING_RULES="qt.qpa.wayland*=true" \
  timeout 120 "$build/app/sonavert-screenshots" "$out" "$work/files" 2>"$work/client.log" \
  || { grep -v backingstore "$work/client.log" | tail -n 30; echo "the tour failed under Wayland"; failed=1; }
grep -q "xdg-shell\|xdg_wm_base\|XdgShell" "$work/client.log" && echo "wayland: the window used xdg-shell"

# The program itself, with the files as arguments, as the compositor shows it.
program=""
WAYLAND_DISPLAY=sonavert-wayland QT_QPA_PLATFORM=wayland XDG_CONFIG_HOME="$work/config" HOME="$work" \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
  "$build/app/sonavert" "$work/files/Morning Theme.wav" "$work/files/interview_take2.wav" \
  2>>"$work/client.log" &
program=$!
sleep 4
(cd "$work" && WAYLAND_DISPLAY=sonavert-wayland timeout 30 weston-screenshooter >/dev/null 2>&1) || true
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
shot="$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -n 1 || true)"
if [ -n "$shot" ]; then
  cp "$shot" "$out/compositor.png"
else
  echo "weston-screenshooter took no picture"
fi
ls "$out"
echo "screenshots: $out"
exit "$failed"
