#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   bash scripts/fuzz.sh            # 60 s per target (what CI runs)
#   bash scripts/fuzz.sh 3600       # a longer local run
# Fails on the first finding; crash inputs are left in build-fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DSONAVERT_FUZZ=ON -DSONAVERT_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
targets=$(cd "$here/tests/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets
# Findings of an earlier run are not this run's.
rm -rf "$build/findings"
mkdir -p "$build/findings"
for t in $targets; do
  name="${t#fuzz_}"
  work="$build/corpus/$name"
  log="$build/$name.log"
  mkdir -p "$work"
  echo "fuzz: $t for ${seconds}s"
  # A unit that runs for seconds is a finding too (a hang or a quadratic path).
  status=0
  "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" "$work" "$here/tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  grep -E "stat::number_of_executed_units" "$log" || true
  if [ "$status" -ne 0 ] || ls "$build/findings/$name-"* >/dev/null 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: $t found a failing input (exit status $status)"; exit 1
  fi
done
echo "fuzz: no findings"
