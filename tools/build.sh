#!/usr/bin/env bash
# Builds the five Windows programs (cross-compiled with mingw-w64) into
# build/windows and the native unit tests into build/native: the "windows"
# and "native" presets of CMakePresets.json. Given presets, it builds those
# instead (tools/build.sh windows-clang: the Windows tree with clang).
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 4)
[ $# -gt 0 ] || set -- windows native
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
