#!/usr/bin/env bash
# Runs the converter tool under valgrind's memcheck: one conversion into each
# of the 16 formats with the command lines the program builds, the probe, and
# the error paths; any memory error or lost block fails. These tests carry the
# label "memcheck": CI runs them, the README's test command leaves them out.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target test_memcheck kescvt
cd "$build"
ctest --output-on-failure -j "$(nproc)" -L memcheck
