#!/usr/bin/env bash
# What a running program costs: the real tint_postgreen.exe under Wine, its
# process CPU time (user + system, from /proc) over wall time, first with the
# start-up face alone, then with all three faces loaded (two of them hidden,
# their timers still running). Figures to read, not a timed test: it fails
# only when the program could not be run or driven.
# Usage: tests/bench/cpu_share.sh BUILD_DIR [SECONDS]   (default 30)
. "$(dirname "$0")/../e2e/lib.sh"
SECONDS_EACH=${1:-30}

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

fresh_server
start_program tint_postgreen
wait_face
# Activated: the show runs.
wait_colour 7 0x006E6432 20 >/dev/null
pid=$(windows_pid)
one=$(share "$pid" "$SECONDS_EACH")
for face in 2 3; do
    probe click "$CAPTION" Option1 >/dev/null
    until_is 1 10 probe checked "$CAPTION" Option1 >/dev/null
    probe click "$CAPTION" Command2 >/dev/null
done
expect "cpu share: all three faces loaded, the third shown" "110,251,30 active owned" probe faces "$CAPTION"
three=$(share "$pid" "$SECONDS_EACH")
echo "     cpu share of tint_postgreen over ${SECONDS_EACH} s: one face ${one:-?} % of a core, three faces ${three:-?} % of a core"
check "cpu share: both windows measured" yes "$([ -n "$one" ] && [ -n "$three" ] && echo yes || echo no)"
probe close "$CAPTION" >/dev/null
wait_exit "$PROGRAM_PID" 15
finish
