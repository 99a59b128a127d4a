#!/usr/bin/env bash
# Builds everything and runs all tests with CTest: the native unit tests, then
# the Windows build's tests under Wine (the in-process tests of the real
# window system, the end-to-end scenarios of the five programs, and the
# benchmarks: the tick beside its floor, the frames against their recording,
# the running program's CPU share).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" || exit 1
jobs=$(nproc 2>/dev/null || echo 4)
status=0
ctest --test-dir "$root/build/native" --output-on-failure -j "$jobs" || status=1
# The Windows-side tests take turns in one Wine session.
ctest --test-dir "$root/build/windows" --output-on-failure || status=1
# The figures the scenarios measure (start-up times, the tick's cost), which
# CTest shows only for a test that failed.
grep -h '^     [a-z]' "$root/build/windows/Testing/Temporary/LastTest.log" 2>/dev/null
exit $status
