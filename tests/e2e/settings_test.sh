#!/usr/bin/env bash
# The settings command on the real program, driven through the accessibility bus.
#   settings_test.sh BIN_DIR
# Sysop mode on: the menu's Settings asks for the password; a wrong one is refused with
# "Zugang abgelehnt !", the right one opens "Quillaband - Settings" with the band out of the
# top layer until the window closes; "Dock window below" and
# "Save" move the band to the bottom at once and store dockPos 1; ticking the receiver box
# ticks and disables the sysop box, and "Save" without a path is refused with
# "Please specify a broadcast path." while the window stays open.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
a11y_session "$@"
[[ $# -eq 1 ]] || fail "usage: settings_test.sh BIN_DIR"

SETTINGS="Quillaband - Settings" PROMPT_FIELD="Please enter password:"

x_session_start "$1"
a11y_start
band_prepare
band_setting Sprache 1
band_setting sysopStatus -1
band_setting passWort "'Geheim'"
band_start

stored() { sqlite3 "$LOCAL_DB" "SELECT $1 FROM Einstellungen;"; }

# open_settings: the menu's Settings and the right password after a wrong one.
open_settings() {
    a11y_menu $((BAND_X + 400)) $((BAND_Y + 5)) "Settings" || fail "no menu entry Settings"
    $A11Y type "$PROMPT_FIELD" "geheim" && $A11Y press "OK" || fail "no password prompt"
    $A11Y showing "Zugang abgelehnt !" || fail "a wrong password was not refused"
    $A11Y type "$PROMPT_FIELD" "Geheim" && $A11Y press "OK" || fail "the prompt went away"
    $A11Y window "$SETTINGS" || fail "the right password did not open the settings"
}

open_settings
shot "$SHOTS/settings.png"
# The band (ImmerOben on) leaves the top layer while the settings are open, and returns.
above && fail "the band stayed above other windows under the settings: $(net_wm_state)"
$A11Y press "Dock window below" && $A11Y press "Save" || fail "no dock option or Save"
$A11Y gone "$SETTINGS" || fail "the settings stayed open after Save"
wait_until 5 above || fail "the band is not above others after the settings closed"
# Changing the band's layer may give it a new X window: look for it again.
wait_until 10 eval "find_band_window && band_geometry &&
    ((BAND_Y == X_SCREEN_HEIGHT - BAND_HEIGHT))" ||
    fail "band at $BAND_Y after saving dockPos 1, expected the bottom edge"
[[ $(stored dockPos) == 1 ]] || fail "dockPos stored as $(stored dockPos), expected 1"

# The receiver box forces sysop mode; saving without a path is refused in a bubble.
open_settings
$A11Y press "Enable broadcast receiver mode" || fail "no receiver box"
$A11Y checked "Enable sysop mode" || fail "the receiver box did not tick the sysop box"
$A11Y enabled "Enable sysop mode" && fail "the sysop box can be changed in receiver mode"
$A11Y press "Save" || fail "no Save button"
$A11Y showing "Please specify a broadcast path." || fail "no message about the missing path"
shot "$SHOTS/no-path.png"
$A11Y window "$SETTINGS" || fail "the settings closed although saving was refused"
[[ $(stored broadcastStatus) == 0 ]] || fail "receiver mode stored although saving was refused"
band_stop
