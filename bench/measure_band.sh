#!/usr/bin/env bash
# The cost of a scrolling band: under Xvfb (1920x1080) with openbox, a long local note at the
# default speed; after a settling time, the CPU of the program and of the X server over one
# measuring period (as % of one core) and the program's resident memory. In the same run and
# on the same display, the cost floor bench/band_floor (the least a Qt Widgets program
# does to scroll a band of the same height) is measured alike, and every figure also comes as a
# ratio to that floor.
#
#   bench/measure_band.sh BIN_DIR [SECONDS]     (default 60; settling time 5 s)
#
# ROUNDS=N measures band and floor N times in turn (SECONDS each time) and adds up.
#
# MEASURE_NOTE="text" replaces the long note, e.g. a short one that stands still, to see
# the cost of the tick without the scrolling. MEASURE_NOTES=N shows N local notes and, as a
# receiver, N broadcast notes instead (the memory of a full day's band). FLOOR_SECONDS
# measures the floor for another period than the band (e.g. after an hour of the band).
#
# Goals: at most 0.40 % of one core for the program, at most 0.27 % for the X server, at
# most 28.5 MB resident.
#
# COMPOSITOR=sway measures the band as a layer-shell strip under sway, headless, and sway in
# place of the X server; there is no floor then (run as root, the script runs itself again
# as an unprivileged account, as sway asks).
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E=$HERE/../tests/e2e
source "$E2E/x_session.sh"

[[ $# -ge 1 ]] || fail "usage: measure_band.sh BIN_DIR [SECONDS]"
PERIOD=${2:-60}
SETTLE=5
# The CPU time of all threads of a process, in nanoseconds: the scheduler's own count,
# exact where utime and stime come in hundredths of a second. Printed with %.0f: mawk's %d
# stops at 2^31 ns, 2.1 s, which the X server passes within minutes.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f", sum }' ||
        fail "process $1 is gone"
}

status_kb() { awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status"; }

percent() { # "-" for a period not measured (no floor under sway)
    awk -v ns="$1" -v seconds="$2" 'BEGIN { if (seconds > 0) printf "%.3f", ns / 1e7 / seconds; else print "-" }'
}

# measure PID SECONDS: after the settling time, sets PROGRAM_NS, X_NS, ELAPSED, RSS_KB,
# PEAK_KB.
measure() {
    sleep "$SETTLE"
    local band_before x_before start
    band_before=$(cpu_ns "$1")
    x_before=$(cpu_ns "$SERVER_PID")
    start=$(date +%s.%N)
    sleep "$2"
    PROGRAM_NS=$(($(cpu_ns "$1") - band_before))
    X_NS=$(($(cpu_ns "$SERVER_PID") - x_before))
    ELAPSED=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
    RSS_KB=$(status_kb "$1" VmRSS)
    PEAK_KB=$(status_kb "$1" VmHWM)
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# The local notes and a broadcaster of as many notes, for MEASURE_NOTES.
many_notes() {
    local i broadcaster=$HOME/share/broadcast.kvl
    mkdir "$HOME/share" && "$BIN_DIR/quillaband-notes" init "$broadcaster" >/dev/null ||
        fail "init of the broadcaster"
    for i in $(seq 1 "$1"); do
        band_note "Local note $i: the canteen closes early, the server restarts at six"
        band_note "Broadcast note $i: quarterly figures are out, see the intranet" "$broadcaster"
    done
    band_setting broadcastStatus -1
    band_setting broadcastPfad "'$broadcaster'"
}

if [[ ${COMPOSITOR:-} == sway ]]; then
    source "$E2E/sway_session.sh"
    sway_session_require
    sway_session_account "$@"
    sway_session_start "$1"
    SERVER_PID=$SWAY_PID SERVER="compositor CPU:"
else
    x_session_start "$1"
    [[ -x $BIN_DIR/band_floor ]] || fail "band_floor missing in $BIN_DIR"
    band_prepare
    SERVER_PID=$X_PID SERVER="X server CPU:"
fi
long_note="Measuring the band:"
for i in $(seq 1 60); do long_note+=" word$i"; done
if [[ -n ${MEASURE_NOTES:-} ]]; then
    many_notes "$MEASURE_NOTES"
else
    band_note "${MEASURE_NOTE:-$long_note}"
fi

# One round measures the band, then the floor; ROUNDS alternate them, so that a drift of
# the machine's load shows in both. The figures add up over the rounds; memory is the
# last round's.
band=(0 0 0 0 0) floor=(0 0 0 0 0)
add_up() { # ARRAY: adds this measure's CPU time and period, keeps its memory
    local -n sum=$1
    sum=($((sum[0] + PROGRAM_NS)) $((sum[1] + X_NS))
        "$(awk -v a="${sum[2]}" -v b="$ELAPSED" 'BEGIN { printf "%.3f", a + b }')"
        "$RSS_KB" "$PEAK_KB")
}
for round in $(seq 1 "${ROUNDS:-1}"); do
    if [[ ${COMPOSITOR:-} == sway ]]; then
        start_sway_band
        measure "$BAND_PID" "$PERIOD"
        add_up band
        stop_process "$BAND_PID"
        continue
    fi
    band_start
    measure "$BAND_PID" "$PERIOD"
    add_up band
    band_stop

    "$BIN_DIR/band_floor" "$BAND_HEIGHT" "${MEASURE_NOTE:-$long_note}" >"$HOME/floor.log" 2>&1 &
    FLOOR_PID=$!
    on_exit "stop_process $FLOOR_PID"
    measure "$FLOOR_PID" "${FLOOR_SECONDS:-$PERIOD}"
    add_up floor
    stop_process "$FLOOR_PID"
done

report() { # NAME NS ELAPSED FLOOR_NS FLOOR_ELAPSED
    local value floor_value
    value=$(percent "$2" "$3")
    floor_value=$(percent "$4" "$5")
    printf '%-17s %6s %% of one core  floor %6s %%  ratio %s\n' \
        "$1" "$value" "$floor_value" "$(ratio "$value" "$floor_value")"
}
echo "period:           ${band[2]} s for the band, ${floor[2]} s for the floor" \
    "in ${ROUNDS:-1} round(s) (after ${SETTLE} s settling each)"
report "program CPU:" "${band[0]}" "${band[2]}" "${floor[0]}" "${floor[2]}"
report "$SERVER" "${band[1]}" "${band[2]}" "${floor[1]}" "${floor[2]}"
printf '%-17s %5.1f MB  floor %5.1f MB  ratio %s  (peak %s kB, floor peak %s kB)\n' \
    "program resident:" "$(awk -v k="${band[3]}" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="${floor[3]}" 'BEGIN { print k / 1024 }')" "$(ratio "${band[3]}" "${floor[3]}")" \
    "${band[4]}" "${floor[4]}"
