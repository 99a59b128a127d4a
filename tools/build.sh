#!/usr/bin/env bash
# Builds the five Windows programs (cross-compiled with mingw-w64) into
# build/windows and the native unit tests into build/native: the "windows"
# and "native" presets of CMakePresets.json. tools/build.sh windows builds
# only the first.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 4)
for preset in ${1:-windows native}; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
