#!/usr/bin/env bash
# The settings command on the real program, driven over the accessibility bus:
#   settings_test.sh BIN_DIR          (run under dbus-run-session)
# sysop mode on: the menu's Settings asks for the password; a wrong one is refused with
# "Zugang abgelehnt !", the right one opens "Quillaband - Settings"; "Dock window below" and
# "Save" move the band to the bottom at once and store dockPos 1; ticking the receiver box
# ticks and disables the sysop box, and "Save" without a path is refused with
# "Please specify a broadcast path." while the window stays open.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 1 ]] || fail "usage: settings_test.sh BIN_DIR"
STEPS="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/settings_steps.py"

x_session_start "$1"
band_prepare
band_setting Sprache 1
band_setting sysopStatus -1
band_setting passWort "'Geheim'"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SHOTS
# The accessibility bus runs before the program looks for it.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' ||
    fail "no accessibility bus (run under dbus-run-session)"
band_start

$STEPS prompt $((BAND_Y + BAND_HEIGHT / 2)) geheim Geheim || fail "password prompt"
shot "$SHOTS/settings.png"
$STEPS dock-below || fail "dock below and save"
# Changing the band's layer may give it a new X window: look for it again.
wait_until 10 eval "find_band_window && band_geometry &&
    ((BAND_Y == X_SCREEN_HEIGHT - BAND_HEIGHT))" ||
    fail "band at $BAND_Y after saving dockPos 1, expected the bottom edge"
stored=$(sqlite3 "$LOCAL_DB" "SELECT dockPos FROM Einstellungen")
[[ $stored == 1 ]] || fail "dockPos stored as '$stored', expected 1"

$STEPS prompt $((BAND_Y + BAND_HEIGHT / 2)) "" Geheim || fail "password prompt again"
$STEPS receiver-without-path || fail "receiver without a path"
stored=$(sqlite3 "$LOCAL_DB" "SELECT broadcastStatus FROM Einstellungen")
[[ $stored == 0 ]] || fail "broadcastStatus stored as '$stored' although saving was refused"
band_stop
