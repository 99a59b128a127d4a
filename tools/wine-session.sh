#!/usr/bin/env bash
# One virtual display and one Wine prefix for a whole test run, shared by
# every test that runs a Windows program (CTest starts and stops the session
# as a fixture):
#   wine-session.sh start BUILD_DIR   starts Xvfb where there is no display,
#                                     prepares the prefix, and leaves what the
#                                     tests need in BUILD_DIR/wine-session.env
#   wine-session.sh stop BUILD_DIR    ends the Wine server and that Xvfb
#   wine-session.sh run BUILD_DIR PROGRAM [ARGS...]
#                                     runs a Windows program in the session:
#                                     the emulator of the Windows-side tests
set -u
command=${1:?usage: wine-session.sh start|stop|run BUILD_DIR [PROGRAM ARGS...]}
BUILD_DIR=$(cd "${2:?usage: wine-session.sh start|stop|run BUILD_DIR}" && pwd) || exit 1
shift 2
. "$(dirname "$0")/wine-env.sh"
TINT_USE_DISPLAY=${TINT_TESTS_ON_DISPLAY:-}
session="$BUILD_DIR/wine-session.env"

# The Xvfb a run that was cut short left behind, if it is still there.
stop_left_over() {
    [ -f "$session" ] || return 0
    . "$session"
    if [ -n "${TINT_XVFB_PID:-}" ] && [ "$(cat "/proc/$TINT_XVFB_PID/comm" 2>/dev/null)" = Xvfb ]; then
        tint_stop_xvfb
    fi
    unset TINT_XVFB_PID
    rm -f "$session"
}

case $command in
start)
    stop_left_over
    tint_start_xvfb || exit 1
    tint_prepare_prefix || exit 1
    # A session of its own: what an earlier run left is not ours to keep.
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    # A server that stays between the Windows-side tests, which would
    # otherwise each meet one that is about to end; the scenarios start
    # servers of their own.
    wineserver -p >/dev/null 2>&1
    printf 'export DISPLAY=%q\nTINT_XVFB_PID=%q\n' "$DISPLAY" "${TINT_XVFB_PID:-}" >"$session"
    echo "display $DISPLAY, prefix $WINEPREFIX"
    ;;
stop)
    wineserver -k 2>/dev/null
    if [ -f "$session" ]; then
        . "$session"
        tint_stop_xvfb
        rm -f "$session"
    fi
    ;;
run)
    [ -f "$session" ] && . "$session"
    # CTest lists the tests of a program before the session starts, and
    # listing needs a prefix but no display.
    tint_prepare_prefix || exit 1
    # Windows programs end their lines with CR LF; CTest reads test names
    # from these lines. The error output goes through a file: the Wine
    # services that the first program of a server starts keep it open, and
    # CTest would wait for them to close a pipe.
    errors=$(mktemp)
    wine "$@" 2>"$errors" | tr -d '\r'
    status=${PIPESTATUS[0]}
    cat "$errors" >&2
    rm -f "$errors"
    exit "$status"
    ;;
*)
    echo "unknown command '$command': start, stop or run" >&2
    exit 2
    ;;
esac
