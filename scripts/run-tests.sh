#!/usr/bin/env bash
# Sets up, builds and runs the unit and integration tests of Sonavert. The slow
# ones (labels "memcheck" and "package") run in CI; see the README.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -LE 'memcheck|package'
