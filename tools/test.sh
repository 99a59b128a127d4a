#!/usr/bin/env bash
# Builds everything and runs all tests: the native unit tests (CTest), the
# in-process tests of the real window system under Wine (CTest), then the
# end-to-end tests of the five programs under Wine.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" || exit 1
status=0
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc 2>/dev/null || echo 4)" || status=1
ctest --test-dir "$root/build/windows" --output-on-failure || status=1
"$root/tests/e2e/run.sh" "$root/build/windows" || status=1
exit $status
