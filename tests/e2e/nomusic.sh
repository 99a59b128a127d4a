#!/usr/bin/env bash
# Without the music file beside it, tint_seablue's face runs silent, its
# music controls disabled.
. "$(dirname "$0")/lib.sh"
fresh_server
# Made anew, so that no copy of an earlier build runs in this one's place.
rm -rf "$BUILD_DIR/without-music"
mkdir -p "$BUILD_DIR/without-music"
cp "$BUILD_DIR/tint_seablue.exe" "$BUILD_DIR/without-music/"
start_program without-music/tint_seablue
wait_face
expect "music: without the file the label says so" "音乐关闭" probe caption "$CAPTION" lblMusic
expect "music: without the file the music button is disabled" 0 probe enabled "$CAPTION" cmdMusic
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
