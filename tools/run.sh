#!/usr/bin/env bash
# Builds and starts one program under Wine: tools/run.sh [THEME] [SECONDS]
# THEME is one of the programs' themes (postgreen is the default; the list
# is CMakeLists.txt's, written to build/windows/programs.txt).
# With a display the program opens there in a 1000x740 Wine desktop and runs
# until you close it. Without one it runs on a virtual display (Xvfb) for
# SECONDS (default 5), then a screenshot is saved and its path printed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
theme=${1:-postgreen}
seconds=${2:-5}
case $seconds in '' | *[!0-9]* | 0)
    echo "SECONDS must be a whole number above 0, not '$seconds'" >&2
    exit 2
    ;;
esac
BUILD_DIR="$root/build/windows"
# Quiet unless a step fails, when its output shows.
quietly() {
    local out
    out=$("$@" 2>&1) || { printf '%s\n' "$out" >&2; exit 1; }
}
cd "$root"
quietly cmake --preset windows
if ! grep -qx -- "$theme" "$BUILD_DIR/programs.txt"; then
    echo "unknown theme '$theme': one of $(paste -sd' ' "$BUILD_DIR/programs.txt")" >&2
    exit 2
fi
[ -x "$BUILD_DIR/tint_$theme.exe" ] || echo "building the programs (the first build takes a minute or two) ..."
quietly cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 4)"
. "$root/tools/wine-env.sh"
headless=yes
if [ -n "${DISPLAY:-}" ]; then
    headless=no
    TINT_USE_DISPLAY=1
fi
# Whatever ends the run, Ctrl+C included, takes the program, its Wine server
# and our Xvfb with it.
cleanup() {
    set +e
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null
    tint_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
tint_start_xvfb
tint_prepare_prefix
if [ "$headless" = no ]; then
    wine "$BUILD_DIR/tint_$theme.exe"
    exit 0
fi
wine "$BUILD_DIR/tint_$theme.exe" >/dev/null 2>&1 &
pid=$!
sleep "$seconds"
mkdir -p "$BUILD_DIR/screenshots"
shot="$BUILD_DIR/screenshots/tint_${theme}_run.png"
import -window root "$shot"
echo "screenshot: $shot"
