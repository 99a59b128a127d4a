#!/usr/bin/env bash
# The tick's cost on the real window system, and the GDI objects it holds:
# tint_tickbench's figures, judged.
. "$(dirname "$0")/../e2e/lib.sh"
fresh_server
if wine "$BUILD_DIR/tint_tickbench.exe" 10000 >"$BUILD_DIR/tickbench.txt" 2>/dev/null; then flat=yes; else flat=no; fi
tr -d '\r' <"$BUILD_DIR/tickbench.txt" | sed 's/^/     /'
check "scroller: live GDI objects stay flat over 40000 ticks" yes "$flat"
median=$(tr -d '\r' <"$BUILD_DIR/tickbench.txt" | sed -n 's/^three faces, each tick:.*median \([0-9.]*\) ms.*/\1/p')
check "scroller: with three faces ticking, a tick costs far less than its 10 ms (median under 5 ms)" yes \
    "$(awk -v m="${median:-99}" 'BEGIN { print (m < 5) ? "yes" : "no (" m " ms)" }')"
finish
