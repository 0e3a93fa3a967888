#!/usr/bin/env bash
# Pictures of the settings windows for docs/: the password prompt refused and granted, the
# settings window in German and English, without the margin, as a receiver, and the
# question box of the path choice; taken from the built program under Xvfb.
#   tools/settings_screenshots.sh BIN_DIR DOCS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/x_session.sh"
a11y_session "$@"
[[ $# -eq 2 ]] || fail "usage: settings_screenshots.sh BIN_DIR DOCS_DIR"
DOCS=$(mkdir -p "$2" && cd "$2" && pwd)

x_session_start "$1"
a11y_start
band_prepare
band_setting Sprache 2
band_setting sysopStatus -1
band_setting passWort "'Geheim'"
band_note "Staff meeting in room 4"
band_start

window_shot() { # TITLE FILE
    import -window "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" "$2"
}
GERMAN="Quillaband - Einstellungen" ENGLISH="Quillaband - Settings"
FIELD="Bitte Passwort eingeben:"

a11y_menu $((BAND_X + 400)) $((BAND_Y + 5)) "Einstellungen" || fail "no menu entry"
$A11Y type "$FIELD" "geheim" && $A11Y press "OK" && $A11Y showing "Zugang abgelehnt !" ||
    fail "no refusal"
prompt=$(xdotool getactivewindow)
sleep 0.3 && import -window "$prompt" "$DOCS/prompt-refused.png"
# The green lamps stand for half a second before the prompt closes.
$A11Y type "$FIELD" "Geheim" && $A11Y press "OK" &&
    sleep 0.2 && import -window "$prompt" "$DOCS/prompt-granted.png"

$A11Y window "$GERMAN" || fail "no settings window"
sleep 0.3 && window_shot "$GERMAN" "$DOCS/settings-de.png"
$A11Y press "English" && $A11Y window "$ENGLISH" || fail "no English captions"
sleep 0.3 && window_shot "$ENGLISH" "$DOCS/settings-en.png"
$A11Y press "Display margin" && sleep 0.3 && window_shot "$ENGLISH" "$DOCS/settings-en-no-margin.png"
$A11Y press "Display margin" && $A11Y press "Deutsch" && $A11Y window "$GERMAN" || fail "no German"

# A receiver whose path lies on this computer: the question box asks first.
$A11Y press "Broadcasting-Empfänger aktivieren" && $A11Y press "Pfad zum Broadcast-Sender qb.kvl:" ||
    fail "no receiver box or path"
sleep 1.5 && xdotool type "$LOCAL_DB" && xdotool key Return
$A11Y showing "Broadcast-Pfad muss auf anderen Computer weisen" || fail "no question box"
sleep 1 && import -window "$(xdotool getactivewindow)" "$DOCS/question-box.png"
$A11Y press "Ja" && sleep 1 && window_shot "$GERMAN" "$DOCS/settings-receiver.png"
band_stop
