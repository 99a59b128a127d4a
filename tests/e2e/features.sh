#!/usr/bin/env bash
# The status-bar frame, the music, the clock and the sword button of
# tint_postgreen's start-up face.
. "$(dirname "$0")/lib.sh"
fresh_server
before7=$(probe syscolor 7)
before3=$(probe syscolor 3)
start_program tint_postgreen
wait_face
wait_colour 7 0x006E6432 20 >/dev/null
read -r ox oy <<<"$(probe origin "$CAPTION")"
# The frame's first ring: its top-left corner two pixels out from the music
# label (409, 4 in the status bar's inner area, which starts at 2, 582).
corners=$(until_is "200,100,100 200,100,200" 10 shot_pixels tint_postgreen_features \
    $((ox + 2 + 406)) $((oy + 582 + 1)) $((ox + 2 + 466)) $((oy + 582 + 1)))
read -r top_left top_right <<<"$corners"
check "frame: first ring's top-left corner in the first frame colour" "200,100,100" "$top_left"
check "frame: first ring's top-right corner in the second frame colour" "200,100,200" "$top_right"
expect "music: found beside the program and on from the load" "音乐打开" probe caption "$CAPTION" lblMusic
probe click "$CAPTION" cmdMusic >/dev/null
expect "music: the music button switches it off" "音乐关闭" probe caption "$CAPTION" lblMusic
probe menu "$CAPTION" mnuFileMusic >/dev/null
expect "music: the Music command switches it on again" "音乐打开" probe caption "$CAPTION" lblMusic
twelve_hours='^(0[1-9]|1[0-2]):[0-5][0-9]:[0-5][0-9] (AM|PM)  $'
clock=$(until_matches "$twelve_hours" 10 probe caption "$CAPTION" lblClock)
check "clock: the label holds the time on the 12-hour clock and two blanks" yes \
    "$(printf '%s' "$clock" | grep -qE "$twelve_hours" && echo yes || echo "no ('$clock')")"
# The probe's questions come from other processes: wrong ones go unanswered
# and harm nothing, and reading leaves the session's atom table as it was.
check "probe: malformed questions get no answer" 0 "$(probe malformed "$CAPTION")"
atoms=$(probe atoms)
reads=0
for _ in $(seq 24); do
    probe caption "$CAPTION" lblClock | grep -qE "$twelve_hours" && reads=$((reads + 1))
done
check "probe: 24 reads of the clock label, the session's global atoms as before" "24 reads, $atoms atoms" "$reads reads, $(probe atoms) atoms"
probe click "$CAPTION" Command1 >/dev/null
check "sword: the menu text colour of the load comes back" "$before7" "$(wait_colour 7 "$before7" 10)"
check "sword: the inactive caption colour of the load comes back" "$before3" "$(probe syscolor 3)"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
