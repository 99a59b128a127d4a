#!/usr/bin/env bash
# The keyboard alone: keyboard.sh BUILD_DIR THEME. A face that is shown puts
# the focus on its first control; Tab and Shift+Tab walk the design's tab
# order round; Space and Enter press the focused button, so the clock button
# that lies under the exit button is reached; an arrow selects the option
# button. A click posted to a hidden face changes nothing.
. "$(dirname "$0")/lib.sh"
theme=${1:?usage: keyboard.sh BUILD_DIR THEME}
# The third face's order of the tool bar's three buttons.
case $theme in
    peach | postgreen | armygreen) third="cmdClock cmdExit cmdMusic" ;;
    seablue | pinkrose) third="cmdMusic cmdClock cmdExit" ;;
    *) echo "unknown theme '$theme'" >&2; exit 2 ;;
esac

hidden_faces() { probe faces "$CAPTION" all | grep -c hidden; }
tab_walk() {  # tab_walk KEY COUNT: the focused control after each key
    local names="" n
    for n in $(seq 1 "$2"); do
        xdotool key "$1"
        names+="$(until_is "${expected_walk[$((n - 1))]}" 3 probe focus "$CAPTION") "
    done
    printf '%s' "${names% }"
}

fresh_server
start_program "tint_$theme"
probe wait-window "$CAPTION" 20000 >/dev/null
expect "$theme keys: the start-up face starts with the focus on its first control" Command1 probe focus "$CAPTION"
# A real click on the tool bar's label gives the window the X keyboard focus.
read -r ox oy <<<"$(probe origin "$CAPTION")"
xdotool mousemove $((ox + 300)) $((oy + 10)) click 1
expected_walk=(Option1 Command2 cmdMusic cmdClock cmdExit Command1)
check "$theme keys: Tab walks the start-up face round" "${expected_walk[*]}" "$(tab_walk Tab 6)"
expected_walk=(cmdExit cmdClock)
check "$theme keys: Shift+Tab walks back" "${expected_walk[*]}" "$(tab_walk shift+Tab 2)"
xdotool key space
expect "$theme keys: Space on the clock button switches the clock off" "Turn clock on" probe tooltip "$CAPTION" cmdClock
xdotool key Return
expect "$theme keys: Enter on the clock button switches it on again" "Turn clock off" probe tooltip "$CAPTION" cmdClock
# A click selects the option button, and the focus goes with it.
probe click "$CAPTION" Option1 >/dev/null
expect "$theme keys: a click on the option button takes the focus there" Option1 probe focus "$CAPTION"
xdotool key Tab Return
expect "$theme keys: Enter on the change-face button shows the second face, focused on its first control" Command1 probe focus "$CAPTION"
probe click "$CAPTION" Option1 >/dev/null
probe click "$CAPTION" Command2 >/dev/null
expect "$theme keys: the third face shown, the others hidden" 2 hidden_faces
xdotool mousemove $((ox + 300)) $((oy + 10)) click 1
read -r -a expected_walk <<<"Option1 Command2 $third Command1"
check "$theme keys: Tab walks the third face round in its own order" "${expected_walk[*]}" "$(tab_walk Tab 6)"
shot "tint_${theme}_keys_face3"
# Back to the start-up face; the other two stay loaded and hidden.
probe click "$CAPTION" Option1 >/dev/null
probe click "$CAPTION" Command2 >/dev/null
# The start-up face is owned by none.
check "$theme keys: back on the start-up face" yes \
    "$(until_matches ' active$' 10 probe faces "$CAPTION" | grep -qE ' active$' && echo yes || echo no)"
faces=$(probe faces "$CAPTION" all | sort | paste -sd'|')
shot "tint_${theme}_keys_before_hidden_clicks"
# The sword last: its click once ran inside the activation that the hidden
# face should never have had.
for control in Option1 Command2 Command1; do probe click-hidden "$CAPTION" $control >/dev/null; done
# A click on the visible face, posted after them: once it has acted, the
# program has handled the hidden clicks too (posted messages keep their order).
probe click "$CAPTION" cmdClock >/dev/null
until_is "Turn clock on" 10 probe tooltip "$CAPTION" cmdClock >/dev/null
shot "tint_${theme}_keys_after_hidden_clicks"
check "$theme keys: clicks posted to a hidden face leave the visible face active and the hidden ones hidden" \
    "$faces" "$(probe faces "$CAPTION" all | sort | paste -sd'|')"
check "$theme keys: ... and the visible face's show intact (its first band)" \
    "$(pixel "tint_${theme}_keys_before_hidden_clicks" $((ox + 3)) $((oy + 28)))" "$(pixel "tint_${theme}_keys_after_hidden_clicks" $((ox + 3)) $((oy + 28)))"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
