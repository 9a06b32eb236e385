#!/usr/bin/env bash
# Converts 8 sources of 3 minutes (44.1 kHz stereo) to MP3 in five ways and
# prints one table of wall times:
#   - through the main window (offscreen) with 1, 2 and Auto simultaneous conversions;
#   - the ffmpeg command line two at a time (xargs -P 2), as a user would script it;
#   - a plain sequential loop of kescvt.
# Rounds alternate between the ways (BENCH_ROUNDS, default 2); the best of each counts.
# Then adds 1,000 small files with one probe at a time and with Auto (bench_adding).
#
#   bench/parallel_conversions.sh [build folder]      (default: build)
#
# BENCH_SECONDS shortens the sources for a quick check; BENCH_FILES sets the
# number of small files added (default 1000).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:-$here/../build}")"
kescvt="$build/app/kescvt"
converting="$build/bench/mainwindow/bench_converting"
adding="$build/bench/mainwindow/bench_adding"
rounds="${BENCH_ROUNDS:-2}"
seconds="${BENCH_SECONDS:-180}"
for program in "$kescvt" "$converting" "$adding"; do
  [ -x "$program" ] || { echo "missing $program: cmake --build build --target kescvt bench_converting bench_adding" >&2; exit 1; }
done
command -v ffmpeg >/dev/null || { echo "ffmpeg is needed" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/parallel-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
sources=()
for n in 1 2 3 4 5 6 7 8; do
  src="$work/src/song$n.wav"
  ffmpeg -nostdin -v error -y -f lavfi \
    -i "aevalsrc=0.3*sin(2*PI*$((300 + 40 * n))*t)+0.05*(random(0)-0.5)|0.3*sin(2*PI*$((500 + 30 * n))*t)+0.05*(random(1)-0.5):s=44100:d=$seconds" \
    -c:a pcm_s16le "$src"
  sources+=("$src")
done

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
fresh() { rm -rf "$work/out"; mkdir -p "$work/out"; }

window() {  # simultaneous (0 = Auto)
  fresh
  QT_QPA_PLATFORM=offscreen "$converting" "$kescvt" "$1" "$work/out" "${sources[@]}" 2>/dev/null
}
ffmpeg_two() {
  fresh
  local start; start="$(now)"
  printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} sh -c \
    'ffmpeg -nostdin -v error -y -i "$1" -vn -c:a libmp3lame -ar 44100 -b:a 128k -ac 2 "$2/$(basename "$1" .wav).mp3"' \
    sh {} "$work/out"
  elapsed "$start"
}
kescvt_loop() {
  fresh
  local start; start="$(now)"
  for src in "${sources[@]}"; do
    "$kescvt" -@ -i "$src" -y -f mp3 -vn -acodec libmp3lame -ar 44100 -ab 128k -ac 2 \
      "$work/out/$(basename "$src" .wav).mp3" </dev/null >/dev/null 2>&1
  done
  elapsed "$start"
}

declare -A best
ways=("window N=1" "window N=2" "window Auto" "ffmpeg -P 2" "kescvt loop")
for ((round = 1; round <= rounds; round++)); do
  for way in "${ways[@]}"; do
    case "$way" in
      "window N=1") t="$(window 1)" ;;
      "window N=2") t="$(window 2)" ;;
      "window Auto") t="$(window 0)" ;;
      "ffmpeg -P 2") t="$(ffmpeg_two)" ;;
      "kescvt loop") t="$(kescvt_loop)" ;;
    esac
    if [ -z "${best[$way]:-}" ] || awk -v a="$t" -v b="${best[$way]}" 'BEGIN { exit !(a < b) }'; then
      best[$way]="$t"
    fi
  done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "8 sources of ${seconds} s, 44.1 kHz stereo, to MP3; $(nproc) cores; best of $rounds rounds"
printf '%-14s %9s\n' "way" "wall (s)"
for way in "${ways[@]}"; do
  printf '%-14s %9s\n' "$way" "${best[$way]}"
done
echo "N=1 / Auto (speed-up of Auto):   $(ratio "${best[window N=1]}" "${best[window Auto]}")x"
echo "Auto / ffmpeg -P 2 (wall):       $(ratio "${best[window Auto]}" "${best[ffmpeg -P 2]}")"
echo "N=1 / kescvt loop (wall):        $(ratio "${best[window N=1]}" "${best[kescvt loop]}")"
echo
QT_QPA_PLATFORM=offscreen "$adding" "$kescvt" "${BENCH_FILES:-1000}" 2>/dev/null
