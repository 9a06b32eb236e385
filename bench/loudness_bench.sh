#!/usr/bin/env bash
# Loudness in kescvt: the cost of tags, normalisation and the album pass over a plain
# conversion, and how its figures agree with loudgain and with FFmpeg's ebur128 filter.
#
#   bench/loudness_bench.sh [path/to/kescvt]      (default: build/app/kescvt)
#
# Eight sources of three minutes (BENCH_SECONDS) go to MP3, two at a time as a batch on
# two cores would run them, in four modes: off, tags (-loudness 1, the tool measures
# first), normalised (-loudness 2) and album (every file measured with -measure first,
# the album's loudness pooled from the block histograms, then converted with the figures
# given). Modes take turns for BENCH_ROUNDS rounds (default 3); the best of each counts.
# The ratio against off is taken on CPU time (user + system of every process), which a
# shared machine disturbs far less than wall time; the best wall times are shown too.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
kescvt="${1:-$here/../build/app/kescvt}"
rounds="${BENCH_ROUNDS:-3}"
seconds="${BENCH_SECONDS:-180}"
[ -x "$kescvt" ] || { echo "no kescvt at $kescvt (build it first)" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/loudness-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Music-like sources of different levels: two tones swelling slowly, and some noise.
for i in 1 2 3 4 5 6 7 8; do
  amp=$(awk -v i="$i" 'BEGIN { printf "%.3f", 0.08 * i }')
  ffmpeg -nostdin -v error -y -f lavfi \
    -i "aevalsrc=$amp*(0.6+0.4*sin(2*PI*0.05*t))*sin(2*PI*(220+40*$i)*t)+0.03*(random(0)-0.5)|$amp*(0.6+0.4*sin(2*PI*0.07*t))*sin(2*PI*(330+30*$i)*t)+0.03*(random(1)-0.5):s=44100:d=$seconds" \
    -c:a flac "$work/src$i.flac"
done
sources=("$work"/src?.flac)

mp3=(-vn -acodec mp3 -ar 44100 -ab 128k -ac 2)

# Pools the "Blocks:" histograms of -measure outputs (files given) into the album's
# "LUFS,PEAK", gated as the tracks are.
album_figures() {
  awk '
    /^Loudness:/ { if ($NF + 0 > peak) peak = $NF + 0 }
    /^Blocks:/ { for (i = 2; i <= NF; i++) { split($i, p, ":"); n[p[1]] += p[2] } }
    END {
      for (b in n) { e = 10 ^ ((-70 + 0.1 * (b + 0.5) + 0.691) / 10); sum += n[b] * e; cnt += n[b] }
      if (cnt == 0) { printf "undefined,%.6f\n", peak; exit }
      gate = -0.691 + 10 * log(sum / cnt) / log(10) - 10
      first = int((gate + 70) / 0.1); if (gate + 70 < 0) first = -1
      for (b in n) if (b + 0 >= first) { e = 10 ^ ((-70 + 0.1 * (b + 0.5) + 0.691) / 10); gs += n[b] * e; gc += n[b] }
      printf "%.2f,%.6f\n", -0.691 + 10 * log(gs / gc) / log(10), peak
    }' "$@"
}

track_figures() {
  awk '/^Loudness:/ { if ($2 == "undefined,") printf "undefined,%s\n", $NF; else printf "%s,%s\n", $2, $NF }' "$1"
}

run_off() { printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} "$kescvt" -@ -i {} -y "${mp3[@]}" {}.mp3 >/dev/null; }
run_tags() { printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} "$kescvt" -@ -i {} -y "${mp3[@]}" -loudness 1 {}.mp3 >/dev/null; }
run_norm() { printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} "$kescvt" -@ -i {} -y "${mp3[@]}" -loudness 2 -target -18 {}.mp3 >/dev/null; }
run_album() {
  printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} sh -c '"$0" -measure -i "$1" > "$1.measure"' "$kescvt" {}
  local album
  album="$(album_figures "${sources[@]/%/.measure}")"
  for s in "${sources[@]}"; do printf '%s\n' "$s"; done |
    xargs -P 2 -I{} sh -c '"$0" -@ -i "$1" -y -vn -acodec mp3 -ar 44100 -ab 128k -ac 2 -loudness 1 \
      -track-loudness "$(awk "/^Loudness:/ { if (\$2 == \"undefined,\") print \"undefined,\" \$NF; else print \$2 \",\" \$NF }" "$1.measure")" \
      -album-loudness "$2" "$1.mp3"' "$kescvt" {} "$album" >/dev/null
}

# "wall cpu" in seconds of a command, its children included.
times_of() {
  local TIMEFORMAT='%R %U %S' line
  line="$( { time "$@" >/dev/null 2>&1 ; } 2>&1 )"
  awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' <<<"$line"
}

declare -A best=([off]=999999 [tags]=999999 [norm]=999999 [album]=999999)
declare -A bestwall=([off]=999999 [tags]=999999 [norm]=999999 [album]=999999)
for ((r = 0; r < rounds; r++)); do
  # The order turns each round, so that no mode always follows the same one.
  order=(off tags norm album)
  for ((k = 0; k < r; k++)); do order=("${order[@]:1}" "${order[0]}"); done
  for mode in "${order[@]}"; do
    read -r w c < <(times_of "run_$mode")
    echo "round $((r + 1)) $mode wall ${w}s cpu ${c}s" >&2
    best[$mode]=$(awk -v a="$c" -v b="${best[$mode]}" 'BEGIN { print (a < b) ? a : b }')
    bestwall[$mode]=$(awk -v a="$w" -v b="${bestwall[$mode]}" 'BEGIN { print (a < b) ? a : b }')
  done
done

printf "\n%-10s %9s %9s %7s %7s\n" mode cpu_s wall_s ratio aim
for mode in off tags norm album; do
  aim=-; case $mode in tags) aim=1.10;; norm) aim=1.15;; album) aim=1.20;; esac
  awk -v m="$mode" -v t="${best[$mode]}" -v w="${bestwall[$mode]}" -v o="${best[off]}" -v a="$aim" \
    'BEGIN { printf "%-10s %9.2f %9.2f %7.3f %7s\n", m, t, w, t / o, a }'
done

# Agreement: track and album gains against loudgain on the same files.
if command -v loudgain >/dev/null; then
  echo
  echo "gains (dB) kescvt vs loudgain -a -O:"
  loudgain -a -O "${sources[@]}" 2>/dev/null > "$work/loudgain.tsv" || true
  for s in "${sources[@]}"; do "$kescvt" -measure -i "$s" > "$s.measure"; done
  album="$(album_figures "${sources[@]/%/.measure}")"
  awk -F'\t' -v album="$album" -v files="$(for s in "${sources[@]}"; do printf '%s;' "$s"; done)" '
    BEGIN { split(album, a, ","); kalbum = -18 - a[1] }
    NR > 1 && $1 != "Album" { track[$1] = $9 + 0 }
    $1 == "Album" { lalbum = $9 + 0 }
    END {
      n = split(files, f, ";"); worst = 0
      for (i = 1; i < n; i++) {
        cmd = "awk \"/^Loudness:/ { print \\$2 }\" \"" f[i] ".measure\""; cmd | getline l; close(cmd)
        k = -18 - l; t = track[f[i]]; d = k - t; if (d < 0) d = -d; if (d > worst) worst = d
        sub(/.*\//, "", f[i]); printf "  %-10s track %7.2f %7.2f\n", f[i], k, t
      }
      d = kalbum - lalbum; if (d < 0) d = -d
      printf "  album      %13.2f %7.2f\n  largest difference: tracks %.2f dB, album %.2f dB\n", kalbum, lalbum, worst, d
    }' "$work/loudgain.tsv"
fi

# A normalised FLAC measured by FFmpeg's own filter.
"$kescvt" -@ -i "${sources[0]}" -y -vn -acodec flac -ar 44100 -ac 2 -loudness 2 -target -18 "$work/norm.flac" >/dev/null
ffmpeg -nostdin -hide_banner -i "$work/norm.flac" -af ebur128=peak=true -f null - 2>&1 |
  awk '/Summary:/ { s = 1 } s && /I:/ { i = $2 } s && /Peak:/ { p = $2 }
       END { printf "\nnormalised FLAC (target -18): ffmpeg ebur128 I %s LUFS, true peak %s dBTP\n", i, p }'

# The loudest source to -5 LUFS: the true-peak ceiling decides the gain.
"$kescvt" -@ -i "${sources[7]}" -y -vn -acodec flac -ar 44100 -ac 2 -loudness 2 -target -5 "$work/loud.flac" >/dev/null
ffmpeg -nostdin -hide_banner -i "$work/loud.flac" -af ebur128=peak=true -f null - 2>&1 |
  awk '/Summary:/ { s = 1 } s && /I:/ { i = $2 } s && /Peak:/ { p = $2 }
       END { printf "normalised FLAC (target -5):  ffmpeg ebur128 I %s LUFS, true peak %s dBTP\n", i, p }'
