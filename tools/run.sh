#!/usr/bin/env bash
# Builds and starts one program under Wine: tools/run.sh [THEME] [SECONDS]
# THEME is peach, postgreen (the default), seablue, armygreen or pinkrose.
# With a display the program runs until you close it. Without one it runs on
# a virtual display (Xvfb) for SECONDS (default 5), then a screenshot is saved
# and its path printed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
theme=${1:-postgreen}
seconds=${2:-5}
case $theme in peach | postgreen | seablue | armygreen | pinkrose) ;; *)
    echo "unknown theme '$theme': peach, postgreen, seablue, armygreen or pinkrose" >&2
    exit 2
    ;;
esac
"$root/tools/build.sh" --programs-only >/dev/null
BUILD_DIR="$root/build/windows"
. "$root/tools/wine-env.sh"
headless=no
[ -z "${DISPLAY:-}" ] && headless=yes
tint_start_xvfb
tint_prepare_prefix
if [ "$headless" = no ]; then
    exec wine "$BUILD_DIR/tint_$theme.exe"
fi
wine "$BUILD_DIR/tint_$theme.exe" >/dev/null 2>&1 &
pid=$!
sleep "$seconds"
mkdir -p "$BUILD_DIR/screenshots"
shot="$BUILD_DIR/screenshots/tint_${theme}_run.png"
import -window root "$shot"
kill "$pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
tint_stop_xvfb
echo "screenshot: $shot"
