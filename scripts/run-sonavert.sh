#!/usr/bin/env bash
# Sets up, builds and starts Sonavert.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
exec "$here/build/app/sonavert" "$@"
