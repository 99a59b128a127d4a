#!/usr/bin/env bash
# Builds the five Windows programs (cross-compiled with mingw-w64) into
# build/windows and the native unit tests into build/native.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 4)
cmake -S "$root" -B "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/windows" -j "$jobs"
if [ "${1:-}" != "--programs-only" ]; then
    cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
fi
