#!/usr/bin/env bash
# The keyboard alone: keyboard.sh BUILD_DIR THEME. A face that is shown puts
# the focus on the first control of the design's tab order that can take it,
# a picture box where Enter presses nothing; Tab and Shift+Tab walk that order
# round; Space and Enter press the focused button, so the clock button that
# lies under the exit button is reached; an arrow selects the option button.
# Clicks posted to a hidden face change nothing; a close posted to it ends
# the program.
. "$(dirname "$0")/lib.sh"
theme=${1:?usage: keyboard.sh BUILD_DIR THEME}
# The third face's order of the tool bar's three buttons.
case $theme in
    peach | postgreen) third="cmdClock cmdExit cmdMusic" ;;
    seablue | armygreen | pinkrose) third="cmdMusic cmdClock cmdExit" ;;
    *) echo "unknown theme '$theme'" >&2; exit 2 ;;
esac
# Only the start-up face of these two builds shows its status bar, and with
# it the bar's panel: both come before the tool bar in the tab order.
case $theme in
    peach | postgreen) startup_head="picStatusBar picToolBar picSBPanel1" ;;
    *) startup_head="picToolBar" ;;
esac

differs() { [ "$1" != "$2" ]; }
hidden_faces() { probe faces "$CAPTION" all | grep -c hidden; }
# Every system colour element that a build sets, on one line.
colours() { probe syscolor 3 7 9 15 18 20 30 | paste -sd' '; }
tab_walk() {  # tab_walk KEY COUNT: the focused control after each key
    local names="" n
    for n in $(seq 1 "$2"); do
        xdotool key "$1"
        names+="$(until_is "${expected_walk[$((n - 1))]}" 3 probe focus "$CAPTION") "
    done
    printf '%s' "${names% }"
}
# walk_round ORDER...: Tab from the first control through the whole order
# and back to the first.
walk_round() {
    expected_walk=("${@:2}" "$1")
    check "$theme keys: Tab walks the face round: $*" "${expected_walk[*]}" "$(tab_walk Tab $#)"
}
# A real click on the tool bar's label gives the window the X keyboard
# focus; the label is windowless, so the focus stays where it is.
give_keyboard() { xdotool mousemove $((ox + 300)) $((oy + 10)) click 1; }
# The show runs: the face's middle changes from one moment to the next,
# wherever the text happens to stand.
show_runs() {
    shot "tint_${theme}_keys_$1_a"
    sleep 0.5
    shot "tint_${theme}_keys_$1_b"
    local changed
    changed=$(compare -metric AE -crop "560x480+$((ox + 20))+$((oy + 40))" \
        "$SHOTS/tint_${theme}_keys_$1_a.png" "$SHOTS/tint_${theme}_keys_$1_b.png" null: 2>&1)
    [ "${changed%% *}" != 0 ] && echo yes || echo no
}

fresh_server
defaults=$(colours)
start_program "tint_$theme"
wait_face
read -r -a order <<<"$startup_head Command1 Option1 Command2 cmdMusic cmdClock cmdExit"
expect "$theme keys: the start-up face starts with the focus on its first control" "${order[0]}" probe focus "$CAPTION"
read -r ox oy <<<"$(probe origin "$CAPTION")"
# The activation has given the face's pair its colours.
applied=$(poll differs "$defaults" 10 colours)
give_keyboard
# Enter where the face starts: once it has been handled, the Tab after it
# has moved the focus on.
xdotool key Return
expected_walk=("${order[1]}")
tab_walk Tab 1 >/dev/null
check "$theme keys: Enter at start changes no colour" "$applied" "$(colours)"
check "$theme keys: ... and leaves the show running" yes "$(show_runs enter)"
xdotool key shift+Tab
until_is "${order[0]}" 3 probe focus "$CAPTION" >/dev/null
walk_round "${order[@]}"
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
# The other faces show no status bar.
read -r -a order <<<"picToolBar Command1 Option1 Command2 cmdMusic cmdClock cmdExit"
expect "$theme keys: Enter on the change-face button shows the second face, focused on its first control" picToolBar \
    probe focus "$CAPTION"
probe click "$CAPTION" Option1 >/dev/null
probe click "$CAPTION" Command2 >/dev/null
expect "$theme keys: the third face shown, the others hidden" 2 hidden_faces
expect "$theme keys: the third face starts on its first control" picToolBar probe focus "$CAPTION"
give_keyboard
walk_round picToolBar Command1 Option1 Command2 $third
shot "tint_${theme}_keys_face3"
# Back to the start-up face; the other two stay loaded and hidden.
probe click "$CAPTION" Option1 >/dev/null
probe click "$CAPTION" Command2 >/dev/null
# The start-up face is owned by none.
check "$theme keys: back on the start-up face" yes \
    "$(until_matches ' active$' 10 probe faces "$CAPTION" | grep -qE ' active$' && echo yes || echo no)"
expect "$theme keys: ... focused on its first control again" "${startup_head%% *}" probe focus "$CAPTION"
faces=$(probe faces "$CAPTION" all | sort | paste -sd'|')
before=$(colours)
# The sword last: its click once ran inside the activation that the hidden
# face should never have had.
for control in Option1 Command2 Command1; do probe click-hidden "$CAPTION" $control >/dev/null; done
# A click on the visible face, posted after them: once it has acted, the
# program has handled the hidden clicks too (posted messages keep their order).
probe click "$CAPTION" cmdClock >/dev/null
until_is "Turn clock on" 10 probe tooltip "$CAPTION" cmdClock >/dev/null
check "$theme keys: clicks posted to a hidden face leave the visible face active and the hidden ones hidden" \
    "$faces" "$(probe faces "$CAPTION" all | sort | paste -sd'|')"
check "$theme keys: ... the colours as they were" "$before" "$(colours)"
check "$theme keys: ... and the visible face's show running" yes "$(show_runs hidden_clicks)"
probe close-hidden "$CAPTION" >/dev/null
if wait_exit "$PROGRAM_PID" 15; then ended=yes; else ended=no; fi
check "$theme keys: a close posted to a hidden face ends the program" yes "$ended"
finish
