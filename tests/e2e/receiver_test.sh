#!/usr/bin/env bash
# A receiver loses its broadcaster's file and gets it back:
#   receiver_test.sh BIN_DIR
# connected: the broadcaster's note is in the band (yellow, the broadcaster's colour);
# file gone: one notice bubble, the marker "nefe", only the local note, still scrolling;
# file back: after the next minute boundary the marker goes and the broadcaster's note
# returns; no second bubble in the whole run.
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/x_session.sh"
source "$HERE/band_session.sh"

[[ $# -eq 1 ]] || fail "usage: receiver_test.sh BIN_DIR"
SHOTS=$(mktemp -d /tmp/qb-e2e-shots.XXXXXX)
# Kept for a look when the test fails, or when QB_E2E_KEEP_SHOTS is set.
echo "screenshots in $SHOTS"

BROADCAST_COLOUR='rgb(255,255,0)'
# Takes a picture of the ticker band; prints its file name (named by the time).
band_shot()
{
    local file
    file=$SHOTS/band-$(date +%H%M%S.%N).png
    shot "$file" "$(notiz_pan_geometry)"
    echo "$file"
}

broadcast_note_shown()
{
    local file count
    file=$(band_shot) || fail "no picture of the band"
    count=$(pixels_of_colour "$file" "$BROADCAST_COLOUR")
    [[ $count =~ ^[0-9]+$ ]] || fail "cannot count colours in $file: $count"
    ((count > 0))
}

# The scrolling text hides the broadcaster's note only while the long local note fills the
# band (about a second at the speed set below); no picture in three seconds shows it:
# it is gone from the text.
broadcast_note_gone()
{
    local until=$((SECONDS + 3)) count=0
    while ((SECONDS < until || count < 5)); do
        broadcast_note_shown && return 1
        ((++count))
    done
}

band_moves()
{
    local first second differing
    first=$(band_shot) || fail "no picture of the band"
    sleep 1
    second=$(band_shot) || fail "no picture of the band"
    differing=$(pixels_differing "$first" "$second")
    [[ $differing =~ ^[0-9]+$ ]] || fail "cannot compare $first and $second: $differing"
    ((differing > 0))
}

marker_present() { [[ -f $BIN_DIR/nefe ]]; }
marker_absent() { [[ ! -e $BIN_DIR/nefe ]]; }

# Program windows other than the band, seen so far (one id per line).
other_windows_seen()
{
    grep -vx "$BAND_WINDOW" "$SESSION_DIR/windows.log" | sort -u
}

bubble_seen() { [[ -n $(other_windows_seen) ]]; }

bubble_visible()
{
    band_windows | grep -qvx "$BAND_WINDOW"
}

x_session_start
band_session_prepare "$1"

SHARE=$SESSION_DIR/share
mkdir -p "$SHARE"
BROADCAST_DB=$SHARE/broadcast.kvl
"$BIN_DIR/quillaband-notes" init "$BROADCAST_DB" >/dev/null || fail "init of the broadcaster"
band_note "Broadcast news" "$BROADCAST_DB"

band_setting broadcastStatus -1
band_setting broadcastPfad "'$BROADCAST_DB'"
# 10 px per tick: the text runs through the band in a few seconds. The broadcaster's
# display settings are adopted at every rebuild, so it gets the same speed.
band_setting Speed 150
band_setting Speed 150 "$BROADCAST_DB"
# Just longer than the band alone, so it scrolls with or without the broadcaster's note.
local_text="Local note:"
for i in $(seq 1 38); do local_text+=" word$i"; done
band_note "$local_text"

band_start
# Every visible window of the program, sampled for the whole run.
(
    while kill -0 "$BAND_PID" 2>/dev/null; do
        band_windows
        sleep 0.2
    done
) >"$SESSION_DIR/windows.log" 2>/dev/null &
WATCH_PID=$!
on_exit "stop_process $WATCH_PID"

wait_until 10 broadcast_note_shown || fail "the broadcaster's note never appeared in the band"
bubble_seen && fail "a bubble while connected: $(other_windows_seen)"

# The retry comes at the next minute boundary; a loss in the last seconds of a minute
# would let that retry find the file still missing and wait one more minute.
while ((10#$(date +%S) >= 48)); do sleep 0.5; done
mv "$BROADCAST_DB" "$SHARE/away.kvl" || fail "cannot move the broadcaster's file away"
lost_at=$SECONDS

wait_until 5 bubble_seen || fail "no notice bubble after the broadcaster's file went away"
wait_until 5 marker_present || fail "no marker nefe in $BIN_DIR"
# The next rebuild (every five seconds) drops the broadcaster's note.
wait_until 10 broadcast_note_gone || fail "the broadcaster's note stayed in the band"
band_moves || fail "the local note stopped scrolling during the network error"
shot "$SHOTS/network-error.png"

mv "$SHARE/away.kvl" "$BROADCAST_DB" || fail "cannot move the broadcaster's file back"
wait_until 70 marker_absent ||
    fail "marker nefe still there $((SECONDS - lost_at)) s after the loss"
wait_until 10 broadcast_note_shown || fail "the broadcaster's note did not come back"
echo "connection back $((SECONDS - lost_at)) s after the loss"
shot "$SHOTS/reconnected.png"
# The bubble still open at the return is closed by it.
wait_until 2 eval '! bubble_visible' || fail "the notice bubble stayed open after the return"
band_moves || fail "the band stopped scrolling after the return"

bubbles=$(other_windows_seen | wc -l)
((bubbles == 1)) || fail "$bubbles bubble windows in the run: $(other_windows_seen | tr '\n' ' ')"
band_stop
echo "PASS: receiver"
[[ -n ${QB_E2E_KEEP_SHOTS:-} ]] || rm -rf "$SHOTS"
