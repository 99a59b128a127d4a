#!/usr/bin/env bash
# Going round the cycle of faces twice, by window messages from a second
# process: cycle.sh BUILD_DIR THEME. Each switch shows the next face, whose
# activation applies the hand-off colour it has just been given, and its
# accent colour.
. "$(dirname "$0")/lib.sh"
theme=${1:?usage: cycle.sh BUILD_DIR THEME}
# Per switch: PRIMARY-ELEMENT COLOUR ACCENT-ELEMENT COLOUR FIELDS.
case $theme in
    postgreen) switches=("15 0x00969632 20 0x0000FFFF 50,150,150" "9 0x001EFB6E 30 0x0000FFFF 110,251,30" "7 0x00327DDC 3 0x0000FFFF 220,125,50") ;;
    # Sea blue's second and third faces hand element 9 back and forth.
    seablue) switches=("15 0x00DC6E32 9 0x003FF59A 50,110,220" "9 0x001E6F6E 30 0x0000FFFF 110,111,30" "18 0x000AE16E 20 0x0000FFFF 110,225,10") ;;
    *) echo "no cycle known for '$theme'" >&2; exit 2 ;;
esac

fresh_server
start_program "tint_$theme"
wait_face
for round in 1 2; do
    for step in 0 1 2; do
        set -- ${switches[$step]}
        probe click "$CAPTION" Option1 >/dev/null
        probe click "$CAPTION" Command2 >/dev/null
        check "$theme round $round, switch $((step + 1)): primary element $1" "$2" "$(wait_colour "$1" "$2" 15)"
        check "$theme round $round, switch $((step + 1)): accent element $3" "$4" "$(probe syscolor "$3")"
        # The second and third faces are owned by the start-up face; it by none.
        expect "$theme round $round, switch $((step + 1)): the next face alone is visible, with the hand-off" \
            "$5 active$([ $step = 2 ] || echo ' owned')" probe faces "$CAPTION"
    done
done
expected=""
for step in 0 1 2; do
    set -- ${switches[$step]}
    expected+="$5 $([ $step = 2 ] && echo active || echo 'hidden owned')"$'\n'
done
check "$theme: after two rounds each face holds the hand-off of the face before it" \
    "$(printf '%s' "$expected" | sort | paste -sd'|')" "$(probe faces "$CAPTION" all | sort | paste -sd'|')"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
