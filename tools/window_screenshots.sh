#!/usr/bin/env bash
# Pictures of the note windows for docs/: the editor on a note of each rhythm and the
# administration, in English and German, taken from the built program under Xvfb.
#   tools/window_screenshots.sh BIN_DIR DOCS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/x_session.sh"
a11y_session "$@"
[[ $# -eq 2 ]] || fail "usage: window_screenshots.sh BIN_DIR DOCS_DIR"
DOCS=$(mkdir -p "$2" && cd "$2" && pwd)

x_session_start "$1"
a11y_start

window_shot() { # TITLE FILE
    import -window "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" "$2"
}

add() { "$BIN_DIR/quillaband-notes" --db "$LOCAL_DB" add "$@" >/dev/null; }

# A note of each rhythm.
notes() {
    band_note "Staff meeting in room 4"
    add "Daily stand-up" --daily --from 08:00 --to 09:00
    add "Gym class" --weekly --days mon,wed --weeks 6
    add "Reports due" --monthly --nth last --weekday fri --ahead 3
    add "Birthdays" --yearly --date 05.01 --date 24.12
}

# shots SUFFIX SPRACHE EDITOR-TITLE ADMINISTRATION-TITLE EDIT-BUTTON CANCEL-BUTTON
shots() {
    local suffix=$1 editor=$3 administration=$4 edit=$5 cancel=$6 note
    band_prepare
    band_setting Sprache "$2"
    notes
    band_start
    xdotool mousemove $((BAND_X + 400)) $((BAND_Y + 5)) click --repeat 2 --delay 80 1
    $A11Y window "$administration" || fail "no administration"
    sleep 0.3 && window_shot "$administration" "$DOCS/administration-$suffix.png"
    for note in "Staff meeting in room 4:permanent" "Daily stand-up:daily" "Gym class:weekly" \
                "Reports due:monthly" "Birthdays:yearly"; do
        $A11Y select "${note%%:*}" && $A11Y press "$edit" && $A11Y window "$editor" ||
            fail "cannot open ${note%%:*}"
        sleep 0.3 && window_shot "$editor" "$DOCS/editor-${note##*:}-$suffix.png"
        $A11Y press "$cancel" && $A11Y gone "$editor" || fail "the editor did not close"
    done
    band_stop
}

shots en 1 "Quillaband - Edit note" "Quillaband - Notes administration" \
    "Edit first selected note" "Cancel"
shots de 2 "Quillaband - Notiz bearbeiten" "Quillaband - Notizverwaltung" \
    "Erste markierte Notiz bearbeiten" "Abbrechen"
