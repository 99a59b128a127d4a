#!/usr/bin/env bash
# Builds everything and runs all tests with CTest: the native unit tests, then
# the Windows build's tests under Wine (the in-process tests of the real
# window system, the end-to-end scenarios of the five programs, and the
# benchmarks: the tick beside its floor, the frames against their recording,
# the running program's CPU share).
# The "native" and "windows" test presets of CMakePresets.json.
set -u
cd "$(dirname "$0")/.." || exit 1
tools/build.sh || exit 1
status=0
ctest --preset native -j "$(nproc 2>/dev/null || echo 4)" || status=1
# The Windows-side tests take turns in one Wine session.
ctest --preset windows || status=1
# The figures the scenarios measure (start-up times, the tick's cost), which
# CTest shows only for a test that failed.
grep -h '^     [a-z]' build/windows/Testing/Temporary/LastTest.log 2>/dev/null
exit $status
