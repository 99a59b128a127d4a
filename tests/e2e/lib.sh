# Sourced by each end-to-end scenario. The programs really run under Wine on
# a virtual display; a probe in a second process finds their windows, reads
# system colours and acts as the user would. Screenshots go to
# BUILD_DIR/screenshots.
#
# A scenario runs as: SCENARIO BUILD_DIR [ARGS...] (the Windows build, holding
# the .exe files). Under CTest it joins the run's session (tools/wine-session.sh);
# run alone it makes a session of its own. It prints an "ok" or "FAIL" line a
# check and ends with finish, which fails the scenario on any failed check.
set -u
BUILD_DIR=$(cd "${1:?usage: $0 BUILD_DIR [ARGS...]}" && pwd) || exit 1
shift
E2E=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$E2E/../../tools/wine-env.sh"
TINT_USE_DISPLAY=${TINT_TESTS_ON_DISPLAY:-}

if [ -f "$BUILD_DIR/wine-session.env" ]; then
    . "$BUILD_DIR/wine-session.env"
else
    tint_start_xvfb || exit 1
    trap 'wineserver -k 2>/dev/null; tint_stop_xvfb' EXIT
fi
tint_prepare_prefix || exit 1

SHOTS="$BUILD_DIR/screenshots"
mkdir -p "$SHOTS"
PROBE="$BUILD_DIR/tint_probe.exe"
# The probe knows the faces' caption and the message boxes' title by these
# names, so that no Chinese text has to pass through a command line.
CAPTION=face
TITLE=msgbox
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

# The scenario's result: its counts, and a failure if any check failed.
finish() {
    wineserver -k 2>/dev/null
    rm -f "${PROGRAM_OUTPUT:-}"
    echo "$(basename "$0" .sh): $passed passed, $failed failed"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}

probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# A Wine server of the scenario's own: no program of an earlier one left, the
# system colours as Wine starts them.
fresh_server() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }

# start_program NAME: the program BUILD_DIR/NAME.exe; sets PROGRAM_PID. What
# it writes is kept for when it does not start.
start_program() {
    PROGRAM=$1
    PROGRAM_OUTPUT=$(mktemp)
    wine "$BUILD_DIR/$1.exe" >"$PROGRAM_OUTPUT" 2>&1 &
    PROGRAM_PID=$!
}

# wait_face: until the started program shows its face. A program that does
# not within 20 seconds, or ends first, fails the scenario there, rather than
# each check after it waiting out its own time.
wait_face() {
    local seconds=20
    local deadline=$(($(now_ms) + seconds * 1000))
    while kill -0 "$PROGRAM_PID" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do
        [ -n "$(probe wait-window "$CAPTION" 1000)" ] && return 0
    done
    failed=$((failed + 1))
    if kill -0 "$PROGRAM_PID" 2>/dev/null; then
        echo "FAIL $PROGRAM: no face within $seconds s"
    else
        wait "$PROGRAM_PID"
        echo "FAIL $PROGRAM: ended with status $? before it showed a face"
    fi
    sed 's/^/     /' "$PROGRAM_OUTPUT"
    finish
    exit 1
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

# A real mouse click at the middle of a control of the visible face. What the
# click does is for the caller to wait for.
mouse() {
    local at
    at=$(probe centre "$CAPTION" "$1") || return 1
    xdotool mousemove $at click 1
}

now_ms() { date +%s%3N; }

# until_is EXPECTED SECONDS COMMAND...: runs the command until it prints the
# expected text or the time is up, and prints what it printed last. What the
# program does on a message it is sent takes a moment to be seen.
until_is() { poll is "$@"; }
# until_matches REGEX SECONDS COMMAND...: the same, for a text that matches
# an extended regular expression.
until_matches() { poll matches "$@"; }
is() { [ "$1" = "$2" ]; }
matches() { printf '%s' "$1" | grep -qE "$2"; }
poll() {  # poll JUDGE WANTED SECONDS COMMAND...
    local judge=$1 wanted=$2 deadline=$(($(now_ms) + $3 * 1000)) value
    shift 3
    while :; do
        value=$("$@")
        if "$judge" "$value" "$wanted" || [ "$(now_ms)" -ge "$deadline" ]; then
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

pixel() {  # pixel SHOT X Y: the colour there as "r,g,b"
    convert "$SHOTS/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# shot_pixels SHOT X Y [X Y ...]: takes the screenshot, then prints the
# colours at the points, separated by blanks; for waiting until the screen
# shows something.
shot_pixels() {
    local name=$1 out=()
    shift
    shot "$name"
    while [ $# -ge 2 ]; do
        out+=("$(pixel "$name" "$1" "$2")")
        shift 2
    done
    printf '%s\n' "${out[*]}"
}

text_top() {  # text_top SHOT X Y W H: the first row holding text, from frame_text.py
    convert "$SHOTS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 ppm:- | python3 "$E2E/frame_text.py"
}
