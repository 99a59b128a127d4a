#!/usr/bin/env bash
# The three faces of tint_postgreen, driven with the mouse: the option button
# and the change-face button take clicks over the status bar, each face shows
# the next and hides itself, and a click on the rectangle that the exit and
# clock buttons share reaches the exit button.
. "$(dirname "$0")/lib.sh"
fresh_server
start_program tint_postgreen
wait_face
# Activated: the face is laid out and takes clicks.
wait_colour 7 0x006E6432 20 >/dev/null
shot tint_postgreen_face1
mouse Option1
expect "postgreen: option button selected by a click over the status bar" 1 probe checked "$CAPTION" Option1
mouse Command2
expect "postgreen: second face shown and active, start-up face hidden, hand-off written" "50,150,150 active owned" probe faces "$CAPTION"
shot tint_postgreen_face2
mouse Option1
until_is 1 10 probe checked "$CAPTION" Option1 >/dev/null
mouse Command2
expect "postgreen: third face shown, hand-off written" "110,251,30 active owned" probe faces "$CAPTION"
shot tint_postgreen_face3
mouse cmdClock
if wait_exit "$PROGRAM_PID" 15; then ended=yes; else ended=no; fi
check "postgreen: a click on the clock button's rectangle reaches the exit button" yes "$ended"
finish
