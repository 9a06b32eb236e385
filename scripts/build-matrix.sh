#!/usr/bin/env bash
# Builds Sonavert with warnings as errors in the given compiler and build-type
# pairs, each in build-<compiler>-<type>/, to show that every configuration a
# packager may pick builds clean. Usage: build-matrix.sh [gcc|clang:TYPE]...
# (default: gcc:Release clang:Debug).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
pairs=("$@")
[ ${#pairs[@]} -gt 0 ] || pairs=(gcc:Release clang:Debug)
for pair in "${pairs[@]}"; do
  compiler="${pair%%:*}"
  type="${pair#*:}"
  case "$compiler" in
    gcc) cc=gcc cxx=g++ ;;
    clang) cc=clang cxx=clang++ ;;
    *) echo "unknown compiler $compiler" >&2; exit 2 ;;
  esac
  folder="$here/build-$compiler-$(tr '[:upper:]' '[:lower:]' <<<"$type")"
  echo "build-matrix: $compiler $type in $folder"
  CC=$cc CXX=$cxx bash "$here/scripts/build.sh" "$folder" -DCMAKE_BUILD_TYPE="$type"
done
