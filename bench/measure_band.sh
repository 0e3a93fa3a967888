#!/usr/bin/env bash
# The cost of a scrolling band: under Xvfb (1920x1080) with openbox, a long local note at the
# default speed; after a settling time, the CPU of the program and of the X server over one
# measuring period (as % of one core) and the program's resident memory.
#
#   bench/measure_band.sh BIN_DIR [SECONDS]     (default 60; settling time 5 s)
#
# MEASURE_NOTE="text" replaces the long note, e.g. a short one that stands still, to see
# the cost of the tick without the scrolling.
#
# Goals: at most 0.4 % of one core for the program, at most 27 MB resident.
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E=$HERE/../tests/e2e
source "$E2E/x_session.sh"

[[ $# -ge 1 ]] || fail "usage: measure_band.sh BIN_DIR [SECONDS]"
PERIOD=${2:-60}
SETTLE=5
TICKS_PER_SECOND=$(getconf CLK_TCK)

# utime + stime of a process, in clock ticks.
cpu_ticks()
{
    # Fields after the command name, which is in parentheses and may hold blanks.
    local rest
    rest=$(sed 's/^.*) //' "/proc/$1/stat") || fail "process $1 is gone"
    read -r -a fields <<<"$rest"
    # utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    echo $((fields[11] + fields[12]))
}

resident_kb()
{
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

percent()
{
    awk -v ticks="$1" -v hz="$TICKS_PER_SECOND" -v seconds="$2" \
        'BEGIN { printf "%.2f", 100 * ticks / hz / seconds }'
}

x_session_start "$1"
band_prepare
long_note="Measuring the band:"
for i in $(seq 1 60); do long_note+=" word$i"; done
band_note "${MEASURE_NOTE:-$long_note}"
band_start

sleep "$SETTLE"
band_before=$(cpu_ticks "$BAND_PID")
x_before=$(cpu_ticks "$X_PID")
start=$(date +%s.%N)
sleep "$PERIOD"
band_after=$(cpu_ticks "$BAND_PID")
x_after=$(cpu_ticks "$X_PID")
elapsed=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
rss=$(resident_kb "$BAND_PID")
peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$BAND_PID/status")

echo "period:           ${elapsed} s (after ${SETTLE} s settling)"
echo "program CPU:      $(percent $((band_after - band_before)) "$elapsed") % of one core" \
    "($((band_after - band_before)) ticks of 1/${TICKS_PER_SECOND} s)"
echo "X server CPU:     $(percent $((x_after - x_before)) "$elapsed") % of one core" \
    "($((x_after - x_before)) ticks)"
echo "program resident: $((rss / 1024)) MB (${rss} kB; peak ${peak} kB)"
band_stop
