#!/usr/bin/env bash
# Configures and builds Sonavert into build/ (or the folder given as $1).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
shift || true
# A compiler cache, when one is installed, makes rebuilds in other work trees quick.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -G Ninja -DSONAVERT_WERROR=ON "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
