#!/usr/bin/env bash
# End-to-end tests: each program really runs under Wine on a virtual display;
# a probe in a second process finds its windows, reads system colours and acts
# as the user would. Screenshots go to $BUILD_DIR/screenshots.
# Usage: tests/e2e/run.sh BUILD_DIR   (the Windows build, holding the .exe files)
set -u
BUILD_DIR=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/wine-env.sh"

SHOTS="$BUILD_DIR/screenshots"
mkdir -p "$SHOTS"
PROBE="$BUILD_DIR/tint_probe.exe"
CAPTION='Quorlan皮肤v5.1(国际劳动节特别奉献版)'
TITLE='Brindlemark王v5.1'
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok   $1"
    else
        failed=$((failed + 1))
        echo "FAIL $1: expected '$2', got '$3'"
    fi
}

probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

start_program() {  # start_program NAME; sets PROGRAM_PID
    wine "$BUILD_DIR/$1.exe" >/dev/null 2>&1 &
    PROGRAM_PID=$!
}

# wait_exit PID SECONDS: 0 when the process ended in time.
wait_exit() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        kill -0 "$1" 2>/dev/null || { wait "$1" 2>/dev/null; return 0; }
        sleep 0.1
    done
    kill "$1" 2>/dev/null
    return 1
}

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null; }

# A real mouse click at the middle of a control of the visible face.
mouse() {
    local at
    at=$(probe centre "$CAPTION" "$1") || return 1
    xdotool mousemove $at click 1
    sleep 0.3
}

tint_start_xvfb || exit 1
tint_prepare_prefix

now_ms() { date +%s%3N; }

# until_is EXPECTED SECONDS COMMAND...: runs the command until it prints the
# expected text or the time is up, and prints what it printed last. What the
# program does on a message it is sent takes a moment to be seen.
until_is() {
    local expected=$1 deadline=$(($(now_ms) + $2 * 1000)) value
    shift 2
    while :; do
        value=$("$@")
        if [ "$value" = "$expected" ] || [ "$(now_ms)" -ge "$deadline" ]; then
            printf '%s\n' "$value"
            return
        fi
        sleep 0.05
    done
}

# expect NAME EXPECTED COMMAND...: a check that gives the program up to ten
# seconds to get there.
expect() {
    local name=$1 expected=$2
    shift 2
    check "$name" "$expected" "$(until_is "$expected" 10 "$@")"
}

# wait_colour ELEMENT VALUE SECONDS: a fresh probe each time, as a process
# reads the system colours only when it starts.
wait_colour() { until_is "$2" "$3" probe syscolor "$1"; }

# Each program: its start-up face shows with its caption and inner size, its
# activation gives the face's two elements the theme's colours (read here
# from this second process), no message box appears, and closing ends the
# process. The three ways to close take turns.
declare -A HEIGHT=([peach]=609 [postgreen]=609 [seablue]=613 [armygreen]=613 [pinkrose]=613)
declare -A PRIMARY=([peach]="7 0x00B464FA" [postgreen]="7 0x006E6432" [seablue]="18 0x006EC8FF" [armygreen]="18 0x006EFA32" [pinkrose]="18 0x00FF3232")
declare -A ACCENT=([peach]="3 0x0000FFFF" [postgreen]="3 0x0000FFFF" [seablue]="20 0x0000FFFF" [armygreen]="20 0x0000FFFF" [pinkrose]="20 0x0000FFFF")
ways=(close cmdExit menu close cmdExit)
i=0
for theme in peach postgreen seablue armygreen pinkrose; do
    wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
    # Wine itself is up before the clock starts, so the figure is the program's.
    probe syscolor 0 >/dev/null
    started=$(now_ms)
    start_program "tint_$theme"
    set -- ${PRIMARY[$theme]}
    primary=$(wait_colour "$1" "$2" 20)
    elapsed=$(($(now_ms) - started))
    check "$theme: start-up face's primary element $1 holds the theme's colour" "$2" "$primary"
    set -- ${ACCENT[$theme]}
    check "$theme: start-up face's accent element $1 holds the accent colour" "$2" "$(probe syscolor "$1")"
    echo "     $theme: process start to first activation within ${elapsed} ms"
    size=$(probe wait-window "$CAPTION" 20000)
    check "$theme: start-up face shown with its inner size" "603 ${HEIGHT[$theme]}" "$size"
    check "$theme: no message box" "" "$(probe wait-msgbox "$TITLE" 1000)"
    sleep 0.5
    shot "tint_${theme}_startup"
    way=${ways[$i]}
    i=$((i + 1))
    case $way in
        close) probe close "$CAPTION" >/dev/null ;;
        cmdExit) probe click "$CAPTION" cmdExit >/dev/null ;;
        menu) probe menu "$CAPTION" mnuFileExit >/dev/null ;;
    esac
    if wait_exit "$PROGRAM_PID" 15; then ended=yes; else ended=no; fi
    check "$theme: closing by $way ends the process" yes "$ended"
    set -- ${PRIMARY[$theme]}
    check "$theme: the colours outlast the program" "$2" "$(probe syscolor "$1")"
done

# The three faces of tint_postgreen, driven with the mouse: the option button
# and the change-face button take clicks over the status bar, each face shows
# the next and hides itself, and a click on the rectangle that the exit and
# clock buttons share reaches the exit button.
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
start_program tint_postgreen
probe wait-window "$CAPTION" 20000 >/dev/null
sleep 0.5
shot tint_postgreen_face1
mouse Option1
expect "postgreen: option button selected by a click over the status bar" 1 probe checked "$CAPTION" Option1
mouse Command2
sleep 0.5
expect "postgreen: second face shown and active, start-up face hidden, hand-off written" "50,150,150 active owned" probe faces "$CAPTION"
shot tint_postgreen_face2
mouse Option1
mouse Command2
sleep 0.5
expect "postgreen: third face shown, hand-off written" "110,251,30 active owned" probe faces "$CAPTION"
shot tint_postgreen_face3
mouse cmdClock
if wait_exit "$PROGRAM_PID" 15; then ended=yes; else ended=no; fi
check "postgreen: a click on the clock button's rectangle reaches the exit button" yes "$ended"

# The scroller of tint_postgreen's start-up face: its frame lands at 1, 26 of
# the client area; the first band, right under the tool bar, is the gradient's
# first colour; a few seconds later the text has moved up.
pixel() {  # pixel SHOT X Y: the colour there as "r,g,b"
    convert "$SHOTS/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
text_top() {  # text_top SHOT X Y W H
    convert "$SHOTS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 ppm:- | python3 "$here/frame_text.py"
}
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
start_program tint_postgreen
wait_colour 7 0x006E6432 20 >/dev/null
read -r ox oy <<<"$(probe origin "$CAPTION")"
sleep 0.3
shot tint_postgreen_scroll_early
sleep 3
shot tint_postgreen_scroll_later
check "postgreen: first band right under the tool bar" "255,150,255" "$(pixel tint_postgreen_scroll_later $((ox + 3)) $((oy + 28)))"
check "postgreen: the last band, above the status bar, is the gradient's 80th" "255,150,2" "$(pixel tint_postgreen_scroll_early $((ox + 3)) $((oy + 26 + 553)))"
# The frame's rows between the tool bar and the status bar.
early=$(text_top tint_postgreen_scroll_early $((ox + 1)) $((oy + 27)) 601 553)
later=$(text_top tint_postgreen_scroll_later $((ox + 1)) $((oy + 27)) 601 553)
moved=$([ "$early" -gt 0 ] && [ "$later" -ge 0 ] && [ $((early - later)) -ge 200 ] && echo yes || echo "no ($early -> $later)")
check "postgreen: the about text has moved up over 3 seconds" yes "$moved"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15

# The status-bar frame, the music, the clock and the sword button of
# tint_postgreen's start-up face.
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
before7=$(probe syscolor 7)
before3=$(probe syscolor 3)
start_program tint_postgreen
wait_colour 7 0x006E6432 20 >/dev/null
read -r ox oy <<<"$(probe origin "$CAPTION")"
sleep 0.5
shot tint_postgreen_features
# The frame's first ring: its top-left corner two pixels out from the music
# label (409, 4 in the status bar's inner area, which starts at 2, 582).
check "frame: first ring's top-left corner in the first frame colour" "200,100,100" "$(pixel tint_postgreen_features $((ox + 2 + 406)) $((oy + 582 + 1)))"
check "frame: first ring's top-right corner in the second frame colour" "200,100,200" "$(pixel tint_postgreen_features $((ox + 2 + 466)) $((oy + 582 + 1)))"
expect "music: found beside the program and on from the load" "音乐打开" probe caption "$CAPTION" lblMusic
probe click "$CAPTION" cmdMusic >/dev/null
sleep 0.3
expect "music: the music button switches it off" "音乐关闭" probe caption "$CAPTION" lblMusic
probe menu "$CAPTION" mnuFileMusic >/dev/null
sleep 0.3
expect "music: the Music command switches it on again" "音乐打开" probe caption "$CAPTION" lblMusic
sleep 1
clock=$(probe caption "$CAPTION" lblClock)
check "clock: the label holds the time on the 12-hour clock and two blanks" yes \
    "$(printf '%s' "$clock" | grep -qE '^(0[1-9]|1[0-2]):[0-5][0-9]:[0-5][0-9] (AM|PM)  $' && echo yes || echo "no ('$clock')")"
probe click "$CAPTION" Command1 >/dev/null
check "sword: the menu text colour of the load comes back" "$before7" "$(wait_colour 7 "$before7" 10)"
check "sword: the inactive caption colour of the load comes back" "$before3" "$(probe syscolor 3)"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15

# Without the music file the face runs silent, its music controls disabled.
mkdir -p "$BUILD_DIR/without-music"
cp "$BUILD_DIR/tint_seablue.exe" "$BUILD_DIR/without-music/"
wine "$BUILD_DIR/without-music/tint_seablue.exe" >/dev/null 2>&1 &
PROGRAM_PID=$!
probe wait-window "$CAPTION" 20000 >/dev/null
sleep 0.5
expect "music: without the file the label says so" "音乐关闭" probe caption "$CAPTION" lblMusic
expect "music: without the file the music button is disabled" 0 probe enabled "$CAPTION" cmdMusic
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15

# The tick's cost on the real window system, and the GDI objects it holds.
if wine "$BUILD_DIR/tint_tickbench.exe" 10000 >"$BUILD_DIR/tickbench.txt" 2>/dev/null; then flat=yes; else flat=no; fi
tr -d '\r' <"$BUILD_DIR/tickbench.txt" | sed 's/^/     /'
check "scroller: live GDI objects stay flat over 40000 ticks" yes "$flat"
median=$(tr -d '\r' <"$BUILD_DIR/tickbench.txt" | sed -n 's/^three faces, each tick:.*median \([0-9.]*\) ms.*/\1/p')
check "scroller: with three faces ticking, a tick costs far less than its 10 ms (median under 5 ms)" yes \
    "$(awk -v m="${median:-99}" 'BEGIN { print (m < 5) ? "yes" : "no (" m " ms)" }')"
check "scroller: every build's frames and fields, tick by tick, as recorded" yes "$(wine "$BUILD_DIR/tint_frames.exe" check "$here/../bench/frames.golden" 2>/dev/null | tr -d '\r' | tee "$BUILD_DIR/frames.txt" | grep -q ' 0 differ$' && echo yes || echo "no: see $BUILD_DIR/frames.txt")"
"$here/../bench/cpu_share.sh" "$BUILD_DIR" | sed 's/^/     /'

# Going round the cycle of faces twice, by window messages from this second
# process: each switch shows the next face, whose activation applies the
# hand-off colour it has just been given, and its accent colour.
# cycle THEME, then per switch: PRIMARY-ELEMENT COLOUR ACCENT-ELEMENT COLOUR FIELDS
cycle() {
    local theme=$1 round step
    shift
    wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
    start_program "tint_$theme"
    probe wait-window "$CAPTION" 20000 >/dev/null
    local switches=("$@")
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
    local expected=""
    for step in 0 1 2; do
        set -- ${switches[$step]}
        expected+="$5 $([ $step = 2 ] && echo active || echo 'hidden owned')"$'\n'
    done
    check "$theme: after two rounds each face holds the hand-off of the face before it" \
        "$(printf '%s' "$expected" | sort | paste -sd'|')" "$(probe faces "$CAPTION" all | sort | paste -sd'|')"
    probe close "$CAPTION" >/dev/null
    wait_exit "$PROGRAM_PID" 15
}
cycle postgreen "15 0x00969632 20 0x0000FFFF 50,150,150" "9 0x001EFB6E 30 0x0000FFFF 110,251,30" "7 0x00327DDC 3 0x0000FFFF 220,125,50"
# Sea blue's second and third faces hand element 9 back and forth.
cycle seablue "15 0x00DC6E32 9 0x003FF59A 50,110,220" "9 0x001E6F6E 30 0x0000FFFF 110,111,30" "18 0x000AE16E 20 0x0000FFFF 110,225,10"

wineserver -k 2>/dev/null
tint_stop_xvfb
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
