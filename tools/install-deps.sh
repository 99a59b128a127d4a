#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing need and a
# fresh machine lacks. Run as root (or through sudo).
set -eu
packages="cmake g++ libgtest-dev libgmock-dev g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xdotool fonts-wqy-microhei imagemagick python3"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "installing:$missing"
    apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null
fi
