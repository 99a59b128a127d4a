#!/usr/bin/env bash
# One program from start to end: startup.sh BUILD_DIR THEME. Its start-up face
# shows with its caption and inner size, its activation gives the face's two
# elements the theme's colours (read here from a second process), no message
# box appears, and closing ends the process. The five programs take turns
# among the three ways to close.
. "$(dirname "$0")/lib.sh"
theme=${1:?usage: startup.sh BUILD_DIR THEME}
declare -A HEIGHT=([peach]=609 [postgreen]=609 [seablue]=613 [armygreen]=613 [pinkrose]=613)
declare -A PRIMARY=([peach]="7 0x00B464FA" [postgreen]="7 0x006E6432" [seablue]="18 0x006EC8FF" [armygreen]="18 0x006EFA32" [pinkrose]="18 0x00FF3232")
declare -A ACCENT=([peach]="3 0x0000FFFF" [postgreen]="3 0x0000FFFF" [seablue]="20 0x0000FFFF" [armygreen]="20 0x0000FFFF" [pinkrose]="20 0x0000FFFF")
declare -A WAY=([peach]=close [postgreen]=cmdExit [seablue]=menu [armygreen]=close [pinkrose]=cmdExit)

fresh_server
# Wine itself is up before the clock starts, so the figure is the program's.
probe syscolor 0 >/dev/null
started=$(now_ms)
start_program "tint_$theme"
wait_face
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
shot "tint_${theme}_startup"
way=${WAY[$theme]}
case $way in
    close) probe close "$CAPTION" >/dev/null ;;
    cmdExit) probe click "$CAPTION" cmdExit >/dev/null ;;
    menu) probe menu "$CAPTION" mnuFileExit >/dev/null ;;
esac
if wait_exit "$PROGRAM_PID" 15; then ended=yes; else ended=no; fi
check "$theme: closing by $way ends the process" yes "$ended"
set -- ${PRIMARY[$theme]}
check "$theme: the colours outlast the program" "$2" "$(probe syscolor "$1")"
finish
