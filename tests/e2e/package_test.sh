#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root without installing it: started from an
# unrelated folder with a fresh home, the unpacked program shows its band, copies the
# template into the documents folder, keeps its markers in the user's state folder and
# writes nothing beside itself; a second start leaves one band and ends with status 0;
# the start page and F1 open the installed manual.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

BUILD_DIR=$(cd "$1" && pwd)
x_session_start "$BUILD_DIR/bin"
ROOT=$SHOTS/root
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$SHOTS/package" >"$SHOTS/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 5 "$SHOTS/cpack.log")"
dpkg -x "$SHOTS"/package/quillaband_*_amd64.deb "$ROOT" || fail "dpkg -x"
PROGRAM=$ROOT/usr/bin/quillaband
[[ -x $PROGRAM && -x $ROOT/usr/libexec/quillaband/quillaband-fetch ]] ||
    fail "programs missing in the package"
find "$ROOT" -printf '%p %s %T@\n' | sort >"$SHOTS/root-before"

export HOME=$SHOTS/home
export XDG_RUNTIME_DIR=$HOME/runtime QT_QPA_PLATFORM=xcb
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_DOCUMENTS_DIR
mkdir -p "$HOME/elsewhere" "$HOME/bin" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The desktop's document handler, replaced by one that notes what it was asked to open.
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$HOME/opened" >"$HOME/bin/xdg-open"
chmod +x "$HOME/bin/xdg-open"
export PATH=$HOME/bin:$PATH
# An unreachable version server: the daily check still writes its marker.
export QUILLABAND_UPDATE_URL=ftp://127.0.0.1:9/serverversion.txt

start_unpacked() {
    (cd "$HOME/elsewhere" && exec "$PROGRAM") >>"$HOME/band.log" 2>&1 &
    BAND_PID=$!
    on_exit "stop_process $BAND_PID"
}
start_unpacked
wait_until 20 find_band_window || fail "no band within 20 s; log: $(tail -n 5 "$HOME/band.log")"
[[ -s "$HOME/Documents/Quillaband 3/qb.kvl" ]] || fail "no database in the documents folder"
manual=file://$ROOT/usr/share/quillaband/start-e.htm
wait_until 5 grep -qx "$manual" "$HOME/opened" || fail "first start did not open $manual"
STATE=$HOME/.local/state/quillaband
wait_until 10 test -s "$STATE/hete.kvl" || fail "no daily marker in $STATE"

first=$BAND_PID
(cd "$HOME/elsewhere" && timeout 10 "$PROGRAM") || fail "second start ended with status $?"
BAND_PID=$first
[[ $(wide_windows | wc -l) == 1 ]] || fail "not exactly one band after the second start"

xdotool windowactivate --sync "$BAND_WINDOW" key F1
wait_until 5 eval '(($(grep -cx "$manual" "$HOME/opened") == 2))' || fail "F1 did not open $manual"
shot "$SHOTS/package-band.png" "${X_SCREEN_WIDTH}x64+0+0"
band_stop

[[ -z $(ls -A "$HOME/elsewhere") ]] || fail "files written into the current folder"
find "$ROOT" -printf '%p %s %T@\n' | sort | diff "$SHOTS/root-before" - >&2 ||
    fail "files written beside the program"
echo "package test passed"
