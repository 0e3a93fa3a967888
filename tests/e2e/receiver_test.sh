#!/usr/bin/env bash
# A receiver loses its broadcaster's file and gets it back:
#   receiver_test.sh BIN_DIR
# connected: the broadcaster's note is in the band (yellow, the broadcaster's colour);
# file gone: one notice bubble, the marker "nefe", only the local note, still scrolling;
# file back: after the next minute boundary the marker goes and the broadcaster's note
# returns; no second bubble in the whole run.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 1 ]] || fail "usage: receiver_test.sh BIN_DIR"

# The scrolling text hides the broadcaster's note only while the long local note fills the
# band (about a second at the speed receiver_prepare sets); no picture in three seconds shows it:
# it is gone from the text.
broadcast_note_gone() {
    local until=$((SECONDS + 3)) count=0
    while ((SECONDS < until || count < 5)); do
        broadcast_note_shown && return 1
        ((++count))
    done
}

x_session_start "$1"
receiver_prepare
# Just longer than the band alone, so it scrolls with or without the broadcaster's note.
band_note "Local note:$(printf ' word%d' $(seq 1 38))"

band_start
sample_windows

wait_until 10 broadcast_note_shown || fail "the broadcaster's note never appeared in the band"
bubble_seen && fail "a bubble while connected: $(other_windows_seen)"

# The retry comes at the next minute boundary; a loss in the last seconds of a minute
# would let that retry find the file still missing and wait one more minute.
while ((10#$(date +%S) >= 48)); do sleep 0.5; done
mv "$BROADCAST_DB" "$HOME/share/away.kvl" || fail "cannot move the broadcaster's file away"
lost_at=$SECONDS
wait_until 5 bubble_seen || fail "no notice bubble after the broadcaster's file went away"
wait_until 5 test -f "$BIN_DIR/nefe" || fail "no marker nefe in $BIN_DIR"
# The next rebuild (every five seconds) drops the broadcaster's note.
wait_until 10 broadcast_note_gone || fail "the broadcaster's note stayed in the band"
band_moves || fail "the local note stopped scrolling during the network error"
shot "$SHOTS/network-error.png"

mv "$HOME/share/away.kvl" "$BROADCAST_DB" || fail "cannot move the broadcaster's file back"
wait_until 70 test ! -e "$BIN_DIR/nefe" ||
    fail "marker nefe still there $((SECONDS - lost_at)) s after the loss"
wait_until 10 broadcast_note_shown || fail "the broadcaster's note did not come back"
echo "connection back $((SECONDS - lost_at)) s after the loss"
shot "$SHOTS/reconnected.png"
# The bubble still open at the return is closed by it.
wait_until 2 eval '! band_windows | grep -qvx "$BAND_WINDOW"' ||
    fail "the notice bubble stayed open after the return"
band_moves || fail "the band stopped scrolling after the return"
bubbles=$(other_windows_seen | wc -l)
((bubbles == 1)) || fail "$bubbles bubble windows in the run: $(other_windows_seen | tr '\n' ' ')"
band_stop
echo "PASS: receiver"
