#!/usr/bin/env bash
# The scroller of tint_postgreen's start-up face: its frame lands at 1, 26 of
# the client area; the first band, right under the tool bar, is the gradient's
# first colour; three seconds later the text has moved up.
. "$(dirname "$0")/lib.sh"
fresh_server
start_program tint_postgreen
wait_face
wait_colour 7 0x006E6432 20 >/dev/null
read -r ox oy <<<"$(probe origin "$CAPTION")"
# The early screenshot once the first frame is on the face.
last_band=$(until_is "255,150,2" 10 shot_pixels tint_postgreen_scroll_early $((ox + 3)) $((oy + 26 + 553)))
sleep 3  # the time over which the text must have moved
shot tint_postgreen_scroll_later
check "postgreen: first band right under the tool bar" "255,150,255" "$(pixel tint_postgreen_scroll_later $((ox + 3)) $((oy + 28)))"
check "postgreen: the last band, above the status bar, is the gradient's 80th" "255,150,2" "$last_band"
# The frame's rows between the tool bar and the status bar.
early=$(text_top tint_postgreen_scroll_early $((ox + 1)) $((oy + 27)) 601 553)
later=$(text_top tint_postgreen_scroll_later $((ox + 1)) $((oy + 27)) 601 553)
moved=$([ "$early" -gt 0 ] && [ "$later" -ge 0 ] && [ $((early - later)) -ge 200 ] && echo yes || echo "no ($early -> $later)")
check "postgreen: the about text has moved up over 3 seconds" yes "$moved"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
