#!/usr/bin/env bash
# What a running program costs: the real tint_postgreen.exe under Wine, its
# process CPU time (user + system, from /proc) over wall time, first with the
# start-up face alone, then with all three faces loaded (two of them hidden,
# their timers still running). A figure to read, not a test: it exits 0 unless
# the program could not be run.
# Usage: tests/bench/cpu_share.sh BUILD_DIR [SECONDS]   (default 30)
set -u
BUILD_DIR=$(cd "${1:?usage: cpu_share.sh BUILD_DIR [SECONDS]}" && pwd)
SECONDS_EACH=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/wine-env.sh"

CAPTION='Quorlan皮肤v5.1(国际劳动节特别奉献版)'
PROBE="$BUILD_DIR/tint_probe.exe"
probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# The Windows process is the one whose command line names the program; of
# those, the one running in this prefix (others may run the same program).
windows_pid() {
    local dir pid
    for dir in /proc/[0-9]*; do
        pid=${dir#/proc/}
        tr '\0' ' ' 2>/dev/null <"$dir/cmdline" | grep -q 'tint_postgreen\.exe' || continue
        tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
        # The wine loader that started it names the program too; the process
        # we want is the one that owns the windows, which has the most CPU.
        echo "$pid $(awk '{ print $14 + $15 }' "$dir/stat" 2>/dev/null)"
    done | sort -k2 -n | tail -n 1 | cut -d' ' -f1
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }

# share PID SECONDS: the process's CPU over wall time in that window, in percent.
share() {
    local t0 c0 t1 c1
    t0=$(date +%s%N)
    c0=$(cpu_ticks "$1") || return 1
    sleep "$2"
    c1=$(cpu_ticks "$1") || return 1
    t1=$(date +%s%N)
    awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v ns="$((t1 - t0))" 'BEGIN { printf "%.1f", 100 * (c / hz) / (ns / 1e9) }'
}

tint_start_xvfb || exit 1
tint_prepare_prefix
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
wine "$BUILD_DIR/tint_postgreen.exe" >/dev/null 2>&1 &
launcher=$!
status=0
if [ -z "$(probe wait-window "$CAPTION" 20000)" ]; then
    echo "cpu share: tint_postgreen did not show its start-up face" >&2
    status=1
else
    sleep 2
    pid=$(windows_pid)
    one=$(share "$pid" "$SECONDS_EACH") || status=1
    for face in 2 3; do
        probe click "$CAPTION" Option1 >/dev/null
        probe click "$CAPTION" Command2 >/dev/null
        sleep 1
    done
    [ "$(probe faces "$CAPTION")" = "110,251,30 active owned" ] || { echo "cpu share: the third face did not come up" >&2; status=1; }
    sleep 2
    three=$(share "$pid" "$SECONDS_EACH") || status=1
    echo "cpu share of tint_postgreen over ${SECONDS_EACH} s: one face ${one:-?} % of a core, three faces ${three:-?} % of a core"
    probe close "$CAPTION" >/dev/null
fi
for _ in $(seq 1 150); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
kill "$launcher" 2>/dev/null
wineserver -k 2>/dev/null
tint_stop_xvfb
exit $status
