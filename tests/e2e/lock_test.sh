#!/usr/bin/env bash
# A receiver whose broadcaster's file is held locked (BEGIN EXCLUSIVE) for 20 s:
#   lock_test.sh BIN_DIR
# the band keeps ticking (its scrolling, measured from pictures, shows at least 95 % of
# the ticks of that time), the broadcaster's note stays in the band, no notice comes;
# the change made under the lock shows at the next rebuild after the lock.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 1 ]] || fail "usage: lock_test.sh BIN_DIR"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LOCK_SECONDS=20
STEP_PIXELS=10 # Speed 150 twips per tick

# Three rows through the middle of the ticker band, as raw grey bytes.
strip() {
    import -window root -crop "${STRIP_WIDTH}x3+135+$((BAND_Y + 3 + (BAND_HEIGHT - 9) / 2 - 1))" \
        +repage -colorspace Gray -depth 8 "gray:$1"
}

x_session_start "$1"
receiver_prepare
# Letters without a pattern, so that two pictures match at one shift only.
band_note "Local: $(tr -dc 'a-zA-Z' </dev/urandom | head -c 250 | fold -w 7 | paste -sd' ')"

band_start
wait_until 10 broadcast_note_shown || fail "the broadcaster's note never appeared in the band"
STRIP_WIDTH=$((BAND_WIDTH - 141))

# The broadcaster deletes its note in a transaction that holds the file for 20 s.
python3 - "$BROADCAST_DB" "$LOCK_SECONDS" "$HOME/locked" <<'PY' &
import sqlite3, sys, time, pathlib
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN EXCLUSIVE")
db.execute("DELETE FROM Notizen")
pathlib.Path(sys.argv[3]).touch()
time.sleep(float(sys.argv[2]))
db.execute("COMMIT")
PY
locker=$!
on_exit "stop_process $locker"
wait_until 5 test -e "$HOME/locked" || fail "the lock was not taken"

# Pictures of the band while the lock holds, with the time each was taken.
mkdir "$SHOTS/strips"
count=0 kept= locked_at=$SECONDS
start=$(date +%s.%N)
while kill -0 "$locker" 2>/dev/null; do
    strip "$SHOTS/strips/$(printf %04d $count)" && count=$((count + 1))
    last=$(date +%s.%N)
    # After a rebuild or two under the lock, the broadcaster's note is still shown.
    if [[ -z $kept ]] && ((SECONDS - locked_at >= 8)) && broadcast_note_shown; then
        kept=yes
    fi
    sleep 0.2
done
[[ -n $kept ]] || fail "the broadcaster's note left the band during the lock"
[[ ! -e $BIN_DIR/nefe ]] || fail "a network-error marker during the lock"
[[ $(band_windows) == "$BAND_WINDOW" ]] || fail "a window other than the band: a notice"
pixels=$(python3 "$HERE/band_shift.py" "$STRIP_WIDTH" 3 "$SHOTS"/strips/*) ||
    fail "cannot measure the scrolling"
read -r ticks expected enough < <(awk -v p="$pixels" -v s="$STEP_PIXELS" -v a="$start" \
    -v b="$last" 'BEGIN { t = int(p / s); e = (b - a) * 20; print t, int(e), (t >= 0.95 * e) }')
echo "ticks while locked: $ticks of $expected expected ($count pictures)"
((enough)) || fail "the band ticked $ticks times of $expected while the file was locked"

# The deletion committed: gone at the next rebuild (every five seconds).
wait "$locker"
gone() { ! broadcast_note_shown && sleep 1 && ! broadcast_note_shown; }
wait_until 12 gone || fail "the broadcaster's deletion did not show after the lock"
band_stop
echo "PASS: lock"
