#!/usr/bin/env bash
# The notes file deleted while the band runs, driven through the accessibility bus:
#   storage_test.sh BIN_DIR
# the band tells once that the file was removed and goes on showing its notes; a save in
# the editor is refused with the mapped message, the editor keeps the text; once the file
# is back at its path the same save stores the note there, and the band shows it.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
a11y_session "$@"
[[ $# -eq 1 ]] || fail "usage: storage_test.sh BIN_DIR"

EDITOR="Quillaband - Edit note"
REMOVED="The note could not be stored. The notes file was deleted or replaced while Quillaband ran"

x_session_start "$1"
a11y_start
band_prepare
band_note "Written before"
band_start
TIMEOUT=10 $A11Y showing "Written before" || fail "the note is not on the band"

stored() { sqlite3 "$LOCAL_DB" "SELECT inhalt FROM Notizen ORDER BY ID;"; }

mv "$LOCAL_DB" "$HOME/kept.kvl"
TIMEOUT=10 $A11Y showing "was removed; notes cannot be saved until it is back." ||
    fail "no notice of the removed file"
sleep 1 # the bubble slides in
shot "$SHOTS/removed.png"

a11y_menu $((BAND_X + 400)) $((BAND_Y + 5)) "New note   Ctrl-N" || fail "no menu entry New note"
$A11Y window "$EDITOR" || fail "the menu did not open the editor"
$A11Y type "Note text" "Written after" && $A11Y press "Save" || fail "no note text or Save"
$A11Y showing "$REMOVED" || fail "no message of the removed file: $($A11Y names | grep label)"
shot "$SHOTS/refused.png"
$A11Y window "$EDITOR" || fail "the editor closed although nothing was stored"

cp "$HOME/kept.kvl" "$LOCAL_DB"
$A11Y press "Save" || fail "no Save button"
$A11Y gone "$EDITOR" || fail "the editor stayed open after the file came back"
[[ $(stored | paste -sd'|') == "Written before|Written after" ]] ||
    fail "the file at the path holds: $(stored | paste -sd'|')"
TIMEOUT=10 $A11Y showing "Written after" || fail "the note is not on the band"
band_stop
echo "PASS: storage"
