#!/usr/bin/env bash
# The band without a mouse, on the real program and the accessibility bus.
#   keyboard_test.sh BIN_DIR
# The Menu key and Shift+F10 on the focused band open its menu, whose third entry opens the
# settings on Return; each command-line command reaches the running band (a second start
# ends at once with status 0), --quit ends it (not while the editor waits for the user), and
# with no band --quit does nothing while --new-note starts one; a note added while the band
# runs is announced once.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
a11y_session "$@"
[[ $# -eq 1 ]] || fail "usage: keyboard_test.sh BIN_DIR"

SETTINGS="Quillaband - Settings" EDITOR="Quillaband - Edit note"
ADMINISTRATION="Quillaband - Notes administration" ABOUT="About ..."

x_session_start "$1"
a11y_start
band_prepare
band_setting Sprache 1
band_start

# Every window of the program that shows, popups included (they have no WM_STATE).
shown_windows() { xdotool search --onlyvisible --pid "$BAND_PID" 2>/dev/null | wc -l; }
command_to_band() {
    (cd "$BIN_DIR" && timeout 10 ./quillaband "$@") || fail "quillaband $* ended with status $?"
}

# The menu from the keyboard: a new popup window with its first entry chosen; Down twice
# and Return: the third entry, Settings.
for keys in shift+F10 Menu; do
    before=$(shown_windows)
    xdotool windowactivate --sync "$BAND_WINDOW" key "$keys"
    wait_until 5 eval '(($(shown_windows) > before))' || fail "$keys opened no menu"
    [[ $keys == Menu ]] && shot "$SHOTS/keyboard-menu.png"
    xdotool key Down Down Return
    $A11Y window "$SETTINGS" || fail "Return on the third entry after $keys opened no settings"
    $A11Y press "Cancel" && $A11Y gone "$SETTINGS" || fail "the settings did not close"
done

# The commands against the running band: each window opens in the band's process.
# Each run: option, window, its closing button.
for run in "--new-note:$EDITOR:Cancel" "--notes:$ADMINISTRATION:Close" \
    "--settings:$SETTINGS:Cancel" "--about:$ABOUT:Close"; do
    IFS=: read -r option window button <<<"$run"
    command_to_band "$option"
    $A11Y window "$window" || fail "$option opened no window \"$window\""
    if [[ $option == --new-note ]]; then
        # A window waiting for the user is not thrown away: the band brings it up instead.
        command_to_band --quit
        sleep 1
        kill -0 "$BAND_PID" 2>/dev/null && $A11Y window "$EDITOR" ||
            fail "--quit ended the band under an open editor"
    fi
    $A11Y press "$button" && $A11Y gone "$window" || fail "\"$window\" did not close"
done

# A new note is announced once with its text; the next rebuild adds nothing and says nothing.
coproc HEARD { $A11Y announcements 12 2>&1; }
read -r -t 10 ready <&"${HEARD[0]}" && [[ $ready == listening ]] || fail "no listener"
band_note "Fresh note"
heard=$(cat <&"${HEARD[0]}")
[[ $heard == "Fresh note." ]] || fail "announced: [$heard], expected [Fresh note.] once"

command_to_band --quit
wait_until 5 eval '! kill -0 "$BAND_PID" 2>/dev/null' || fail "--quit did not end the band"

# No band: --quit does nothing; --new-note starts the band and opens the editor in it.
# A band started by mistake would outlive the time limit of command_to_band.
command_to_band --quit
(cd "$BIN_DIR" && exec ./quillaband --new-note) >"$HOME/band.log" 2>&1 &
BAND_PID=$!
on_exit "stop_process $BAND_PID"
$A11Y window "$EDITOR" || fail "--new-note with no band running opened no editor"
shot "$SHOTS/keyboard-new-note.png"
band_stop
echo "PASS: the band without a mouse"
