#!/usr/bin/env bash
# Every build's and face's frames over a full pass of the about text, and the
# fields that drive them, tick by tick against those recorded in
# frames.golden: what the show puts on screen stays as it was, bit for bit.
. "$(dirname "$0")/../e2e/lib.sh"
here=$(cd "$(dirname "$0")" && pwd)
fresh_server
wine "$BUILD_DIR/tint_frames.exe" check "$here/frames.golden" 2>/dev/null | tr -d '\r' >"$BUILD_DIR/frames.txt"
tail -n 2 "$BUILD_DIR/frames.txt" | sed 's/^/     /'
check "scroller: every build's frames and fields, tick by tick, as recorded" yes \
    "$(grep -q ' 0 differ$' "$BUILD_DIR/frames.txt" && echo yes || echo "no: see $BUILD_DIR/frames.txt")"
check "scroller: the face shows each frame whole, repainted or not" yes \
    "$(grep -q 'after 0 of' "$BUILD_DIR/frames.txt" && echo yes || echo "no: see $BUILD_DIR/frames.txt")"
finish
