#!/usr/bin/env bash
# Times kescvt against the ffmpeg command-line tool doing the same conversion with the
# same encoder and parameters, for every format ffmpeg has an encoder for, and
# "kescvt -i" against ffprobe. Prints one row per format: times in seconds and the
# ratio kescvt / ffmpeg (below 1: kescvt is faster).
#
#   bench/kescvt_vs_ffmpeg.sh [path/to/kescvt]      (default: build/app/kescvt)
#
# BENCH_SECONDS shortens the source for a quick check.
# Each command runs BENCH_ROUNDS times (default 3), the two tools taking turns; the
# best of the rounds counts. The ratio is taken on CPU time (user + system), which a
# shared machine disturbs far less than wall time; the best wall times are shown too.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
kescvt="${1:-$here/../build/app/kescvt}"
rounds="${BENCH_ROUNDS:-3}"
probe_runs="${BENCH_PROBE_RUNS:-20}"
seconds="${BENCH_SECONDS:-600}"
[ -x "$kescvt" ] || { echo "no kescvt at $kescvt (build it first)" >&2; exit 1; }
command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null || { echo "ffmpeg and ffprobe are needed" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/kescvt-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
src="$work/source.wav"

# Ten minutes of 44.1 kHz stereo: two tones and a little noise, so that encoders work
# as they would on music rather than on digital silence.
ffmpeg -nostdin -v error -y -f lavfi \
  -i "aevalsrc=0.3*sin(2*PI*440*t)+0.05*(random(0)-0.5)|0.3*sin(2*PI*554*t)+0.05*(random(1)-0.5):s=44100:d=$seconds" \
  -c:a pcm_s16le "$src"

# Runs a command with its output discarded; prints "wall cpu" in seconds.
measure() {
  local TIMEFORMAT='%R %U %S' line
  line="$( { time "$@" >/dev/null 2>&1 ; } 2>&1 )" || { echo "failed: $*" >&2; exit 1; }
  awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<<"$line"
}

# Best (lowest) wall and CPU time over the rounds of two commands run in turn.
# Arguments: a label, then the kescvt command, "--", the ffmpeg command.
compare() {
  local label="$1"; shift
  local -a mine=() theirs=()
  while [ "$1" != "--" ]; do mine+=("$1"); shift; done
  shift
  theirs=("$@")
  local best_kw=999999 best_kc=999999 best_fw=999999 best_fc=999999 w c r
  for ((r = 0; r < rounds; r++)); do
    read -r w c < <(measure "${mine[@]}")
    best_kw=$(awk -v a="$w" -v b="$best_kw" 'BEGIN { print (a < b) ? a : b }')
    best_kc=$(awk -v a="$c" -v b="$best_kc" 'BEGIN { print (a < b) ? a : b }')
    read -r w c < <(measure "${theirs[@]}")
    best_fw=$(awk -v a="$w" -v b="$best_fw" 'BEGIN { print (a < b) ? a : b }')
    best_fc=$(awk -v a="$c" -v b="$best_fc" 'BEGIN { print (a < b) ? a : b }')
  done
  awk -v l="$label" -v kw="$best_kw" -v kc="$best_kc" -v fw="$best_fw" -v fc="$best_fc" \
    'BEGIN { printf "%-10s %9.3f %9.3f %9.3f %9.3f %7.3f\n", l, kc, fc, kw, fw, (fc > 0 ? kc / fc : 0) }'
}

# Repeats a command n times, so that a probe of a few milliseconds can be measured.
repeat() {
  local n="$1"; shift
  for ((i = 0; i < n; i++)); do "$@" >/dev/null 2>&1 || return 1; done
}

printf "%-10s %9s %9s %9s %9s %7s\n" format kescvt_cpu ffmpeg_cpu kescvt_wall ffmpeg_wall ratio

# format  extension  kescvt options  |  ffmpeg encoder options
while IFS='|' read -r label ext kopts fopts; do
  # shellcheck disable=SC2086
  compare "$label" "$kescvt" -@ -i "$src" -y $kopts "$work/k.$ext" \
    -- ffmpeg -nostdin -v error -y -i "$src" $fopts "$work/f.$ext"
done <<'ROWS'
MP3|mp3|-vn -acodec mp3 -ar 44100 -ab 128k -ac 2|-vn -c:a libmp3lame -ar 44100 -b:a 128k -ac 2
MP2|mp2|-vn -acodec mp2 -ar 44100 -ab 128k -ac 2|-vn -c:a mp2 -ar 44100 -b:a 128k -ac 2
WAV|wav|-vn -acodec pcm_s16le -ar 44100 -ac 2|-vn -c:a pcm_s16le -ar 44100 -ac 2
WMA|wma|-f xwmv -vn -acodec wma7x -ar 44100 -ab 128k -ac 2|-f asf -vn -c:a wmav1 -ar 44100 -b:a 128k -ac 2
OGG|ogg|-vn -acodec vorbis -ar 44100 -ab 128k -ac 2|-vn -c:a libvorbis -ar 44100 -b:a 128k -ac 2
AAC|aac|-vn -acodec libfaac -ar 44100 -ab 128k -ac 2|-vn -c:a aac -ar 44100 -b:a 128k -ac 2
M4A|m4a|-vn -acodec mpeg4aac -ar 44100 -ab 128k -ac 2|-f ipod -vn -c:a aac -ar 44100 -b:a 128k -ac 2
M4B|m4b|-f mp4 -vn -acodec mpeg4aac -ar 44100 -ab 128k -ac 2|-f mp4 -vn -c:a aac -ar 44100 -b:a 128k -ac 2
AC3|ac3|-vn -acodec ac3 -ar 44100 -ab 128k -ac 2|-vn -c:a ac3 -ar 44100 -b:a 128k -ac 2
AIFF|aiff|-vn -acodec pcm_s16be -ar 44100 -ac 2|-vn -c:a pcm_s16be -ar 44100 -ac 2
AU|au|-vn -acodec pcm_s16be -ar 44100 -ac 2|-vn -c:a pcm_s16be -ar 44100 -ac 2
RA|ra|-f rmvb -vn -acodec rmaudio -ar 44100 -ab 128k -ac 2|-f rm -vn -c:a ac3 -ar 44100 -b:a 128k -ac 2
FLAC|flac|-vn -acodec flac -ar 44100 -ab 128k -ac 2|-vn -c:a flac -compression_level 5 -ar 44100 -ac 2
OPUS|opus|-vn -acodec opus -ar 48000 -ab 128k -ac 2|-vn -c:a libopus -ar 48000 -b:a 128k -ac 2
MP3@22k|mp3|-vn -acodec mp3 -ar 22050 -ab 32k -ac 1|-vn -c:a libmp3lame -ar 22050 -b:a 32k -ac 1
ROWS
echo "AMR-NB     (ffmpeg here has no AMR-NB encoder: no row)"
echo "AMR-WB     (ffmpeg here has no AMR-WB encoder: no row)"

# Probes: a WAV and an MP3, each probed $probe_runs times in a row.
"$kescvt" -@ -i "$src" -y -vn -acodec mp3 -ar 44100 -ab 128k -ac 2 "$work/probe.mp3" >/dev/null 2>&1
compare "probe wav" repeat "$probe_runs" "$kescvt" -i "$src" -- repeat "$probe_runs" ffprobe -hide_banner "$src"
compare "probe mp3" repeat "$probe_runs" "$kescvt" -i "$work/probe.mp3" -- repeat "$probe_runs" ffprobe -hide_banner "$work/probe.mp3"
