#!/usr/bin/env bash
# What a build's faces show, read off the screen: palette.sh BUILD_DIR THEME.
# After each face's activation every control that can be seen shows its
# design's colours, system colours as they stand after that activation:
# back, text, and the outer line of the sunken borders. Then the start-up
# face, minimised and restored, moved by its caption, dragged half off the
# screen and back, and covered by another window, shows what it showed.
. "$(dirname "$0")/lib.sh"
theme=${1:?usage: palette.sh BUILD_DIR THEME}
# Per face: the form's back colour, the tool-bar label, the sword label and
# its text colour (- for none).
case $theme in
    peach) faces=("FFFF80 Label3 Label2 FFFF00" "FFFF80 Label2 Label1 FFFF00" "519977 Label2 - -") ;;
    postgreen) faces=("FFFF80 Label3 Label2 FF0000" "FFFF80 Label2 Label1 FF8000" "DE1269 Label2 - -") ;;
    seablue | armygreen) faces=("FFFF80 Label1 - -" "FFFF80 Label1 - -" "FFFF80 Label1 - -") ;;
    pinkrose) faces=("FFFF80 Label1 - -" "FFFF80 Label1 - -" "BCF468 Label1 - -") ;;
    *) echo "no palette known for '$theme'" >&2; exit 2 ;;
esac
# Only these two builds show a status bar, on their start-up face.
status_bar=$([ "$theme" = peach ] || [ "$theme" = postgreen ] && echo yes)

# A system colour as the screen shows it, RRGGBB; a fresh probe each time.
sys() {
    local v
    v=$(probe syscolor "$1")
    v=${v#0x00}
    printf '%s%s%s\n' "${v:4:2}" "${v:2:2}" "${v:0:2}"
}

# judge ARGS...: palette.py's checks, counted; a judge that fell over is a
# failed check too.
judge() {
    local out status line
    out=$(python3 "$E2E/palette.py" "$@")
    status=$?
    while IFS= read -r line; do
        echo "$line"
        case $line in
            ok*) passed=$((passed + 1)) ;;
            FAIL*) failed=$((failed + 1)) ;;
        esac
    done <<<"$out"
    if [ "$status" -ne 0 ] && ! grep -q '^FAIL' <<<"$out"; then
        failed=$((failed + 1))
        echo "FAIL palette.py ended with status $status"
    fi
}

# Another face than before, and the active one.
another_active() { [ "$1" != "$2" ] && matches "$1" ' active'; }

# look NAME: the screen and what stands where on it.
look() {
    shot "$1"
    convert "$SHOTS/$1.png" "$SHOTS/$1.ppm"
    probe places "$CAPTION" >"$SHOTS/$1.places"
}

fresh_server
start_program "tint_$theme"
wait_face
# Round the cycle and back to the start-up face, which then shows the
# colours the others set.
step=0
for face in 0 1 2 0; do
    if [ "$step" -gt 0 ]; then
        shown=$(probe faces "$CAPTION")
        probe click "$CAPTION" Option1 >/dev/null
        probe click "$CAPTION" Command2 >/dev/null
        poll another_active "$shown" 10 probe faces "$CAPTION" >/dev/null
    fi
    set -- ${faces[$face]}
    # The activation's colours, and the repaint they bring, take a moment.
    sleep 1.5
    face_name="palette_${theme}_$step"
    look "$face_name"
    b=$(sys 15) t=$(sys 18) h=$(sys 20)
    expected=(form "back=$1" picToolBar "back=$b" picToolBar/border "edge=$h" "$2" "back=$b" "text=$t"
        Command1 back=C0FFC0 Command2 "back=$b" "text=$t" Option1 "back=$b" "text=$t")
    for button in cmdMusic cmdExit; do expected+=("$button" "back=$b" "text=$t"); done
    [ "$3" = - ] || expected+=("$3" "back=$b" "text=$4")
    if [ "$face" = 0 ] && [ -n "$status_bar" ]; then
        expected+=(picStatusBar back=000000 picStatusBar/border "edge=$h" Label1 ink=FF8000)
        # Only peach shows its clock from the start: the little of it that
        # the buttons over it leave.
        [ "$theme" = peach ] && expected+=(lblClock back=000000)
    fi
    echo "$theme face $((face + 1)) (step $((step + 1))): button face $b, button text $t, button highlight $h"
    judge "$SHOTS/$face_name.ppm" "$SHOTS/$face_name.places" "${expected[@]}"
    step=$((step + 1))
done

# The window states, each against the look before them all. The show goes
# on between the looks, so outside the frame all must be as it was, and in
# the frame only its left edge is compared, where the text seldom reaches.
# Coming back, the face is activated again, which takes as long as above.
state() {  # state NAME: the look after a change
    sleep 1.5
    look "${before}_$1"
    judge --same "$theme $1" "$SHOTS/$before.ppm" "$SHOTS/$before.places" "$SHOTS/${before}_$1.ppm" "$SHOTS/${before}_$1.places"
}
before="palette_${theme}_states"
look "$before"
probe minimise "$CAPTION" >/dev/null
sleep 1
probe restore "$CAPTION" >/dev/null
state "minimised and restored"
read -r x y < <(probe title-bar "$CAPTION")
xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x + 60))" "$((y + 30))" sleep 0.2 mouseup 1
state "moved by its caption"
read -r x y < <(probe title-bar "$CAPTION")
xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x - 500))" "$y" sleep 0.5 mousemove "$x" "$y" sleep 0.2 mouseup 1
state "dragged half off the screen and back"
probe cover "$CAPTION" 800 >/dev/null
state "covered and uncovered"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
