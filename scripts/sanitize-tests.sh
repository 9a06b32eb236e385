#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs it. Leaks inside system libraries (fontconfig, the Qt
# platform plugins) are suppressed; leaks in our own code still fail.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/build.sh" "$here/build-asan" -DSONAVERT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cd "$here/build-asan"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -E "debian_package|install_tree"
