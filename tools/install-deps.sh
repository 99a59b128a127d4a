#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing need and a
# fresh machine lacks. Asks for rights only when something is missing: as
# root it installs directly, as another user through sudo.
set -eu
packages="cmake g++ libgtest-dev libgmock-dev g++-mingw-w64-x86-64 clang lld wine wine64 fonts-wine xvfb xdotool fonts-wqy-microhei imagemagick python3"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -z "$missing" ]; then
    echo "all packages present"
    exit 0
fi
as_root=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "missing:$missing; run as root: bash $0" >&2
        exit 1
    fi
    as_root=sudo
fi
echo "installing:$missing"
$as_root apt-get update -q >/dev/null
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null
