#!/usr/bin/env bash
# Builds the programs and packs the download for Windows users,
# dist/tint-win64.zip, with CPack (CMakeLists.txt says what goes in). CPack
# reads the tune's Chinese file name through the locale, so it runs in a
# UTF-8 one whatever the caller's is.
cd "$(dirname "$0")/.." && LC_ALL=C.UTF-8 CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset download
