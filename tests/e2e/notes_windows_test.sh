#!/usr/bin/env bash
# The note windows on the real program, driven through the accessibility bus.
#   notes_windows_test.sh BIN_DIR
# The menu's New note writes a note that lands in the file and on the band; Ctrl+N writes a
# daily whole-day note saved by Alt+S; a double-click on the band opens the administration,
# which deletes the marked notes after Yes; End ends the program.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
a11y_session "$@"
[[ $# -eq 1 ]] || fail "usage: notes_windows_test.sh BIN_DIR"

EDITOR="Quillaband - Edit note" ADMINISTRATION="Quillaband - Notes administration"

x_session_start "$1"
a11y_start
band_prepare
band_start

stored() { sqlite3 "$LOCAL_DB" "SELECT $1 FROM Notizen ORDER BY ID;"; }

# New note from the menu: the text is stored and on the band within two seconds.
a11y_menu $((BAND_X + 400)) $((BAND_Y + 5)) "New note   Ctrl-N" || fail "no menu entry New note"
$A11Y window "$EDITOR" || fail "the menu did not open the editor"
shot "$SHOTS/editor.png"
$A11Y type "Note text" "Written through the bus" || fail "no note text field"
$A11Y press "Save" || fail "no Save button"
$A11Y gone "$EDITOR" || fail "the editor stayed open after Save"
[[ $(stored inhalt) == "Written through the bus" ]] || fail "stored: $(stored inhalt)"
TIMEOUT=2 $A11Y showing "Written through the bus" || fail "the note is not on the band"

# Ctrl+N: time control preselects daily; the note is stored daily for the whole day.
xdotool windowactivate --sync "$BAND_WINDOW" 2>/dev/null
xdotool key ctrl+n
$A11Y window "$EDITOR" || fail "Ctrl+N did not open the editor"
$A11Y press "Note with date/time options" || fail "no option for time control"
$A11Y checked "Daily" || fail "Daily is not chosen after choosing time control"
# Saved by the access key of "&Save".
$A11Y type "Note text" "Every day" && xdotool key alt+s && $A11Y gone "$EDITOR" ||
    fail "the daily note was not saved by Alt+S"
daily=$(stored "inhalt || '/' || Rhythmus || '/' || UhrVon || '/' || UhrBis" | tail -n 1)
[[ $daily == "Every day/1/0.0/0.0" ]] || fail "the daily note is stored as $daily"

# The administration by a double-click on the band deletes the marked notes after Yes.
xdotool mousemove $((BAND_X + 400)) $((BAND_Y + 5)) click --repeat 2 --delay 80 1
$A11Y window "$ADMINISTRATION" || fail "the double-click did not open the administration"
$A11Y select "Written through the bus" && $A11Y select "Every day" ||
    fail "cannot mark the notes: $($A11Y names | grep "list item")"
shot "$SHOTS/administration.png"
$A11Y press "Delete selected notes" || fail "no delete button"
$A11Y press "Yes" "push button" || fail "no question before deleting"
wait_until 5 eval '[[ -z $(stored ID) ]]' || fail "notes left after deleting: $(stored inhalt)"
$A11Y press "Close" && $A11Y gone "$ADMINISTRATION" || fail "the administration did not close"

# End from the menu ends the program at once and deletes the network-error marker; without
# a marker it ends the same way.
for marker in with without; do
    [[ $marker == with ]] && date >"$BIN_DIR/nefe"
    a11y_menu $((BAND_X + 400)) $((BAND_Y + 5)) "End" || fail "no menu entry End"
    wait_until 5 eval '! kill -0 $BAND_PID 2>/dev/null' || fail "End did not end the program"
    [[ ! -e $BIN_DIR/nefe ]] || fail "End left the marker nefe"
    if [[ $marker == with ]]; then band_start; fi
done
