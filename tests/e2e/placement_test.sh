#!/usr/bin/env bash
# Where the note windows open under a window manager that adds a title bar.
#   placement_test.sh BIN_DIR
# With the band docked at the bottom, the note editor's frame ends its gap of 200 twips
# (13 px) above the band and the administration's frame the same gap above the screen's
# bottom: both are placed by their outer height. Placed by their inner height, both ask for
# spots too low, which openbox pushes back to the band's edge, so only the gap tells.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
a11y_session "$@"
[[ $# -eq 1 ]] || fail "usage: placement_test.sh BIN_DIR"

EDITOR="Quillaband - Edit note" ADMINISTRATION="Quillaband - Notes administration"

GAP_MIN=11 GAP_MAX=15 # 200 twips at 96 dpi, with a pixel of rounding either way

# frame_bottom TITLE: the lowest screen row of the titled window's frame, in FRAME_BOTTOM.
# xwininfo, not xdotool: xdotool counts the title bar twice in a framed window's position.
frame_bottom() {
    local window top height extents
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $window ]] || return 1
    top=$(xwininfo -id "$window" 2>/dev/null | sed -n 's/.*Absolute upper-left Y: *//p')
    height=$(xwininfo -id "$window" 2>/dev/null | sed -n 's/^ *Height: *//p')
    # left, right, top, bottom
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [[ -n $top && -n $height && $extents =~ ^[0-9]+,\ [0-9]+,\ ([0-9]+),\ ([0-9]+)$ ]] ||
        return 1
    ((BASH_REMATCH[1] > 0)) || return 1 # not framed yet
    FRAME_BOTTOM=$((top + height + BASH_REMATCH[2] - 1))
}

x_session_start "$1"
a11y_start
band_prepare
band_setting dockPos 1
band_start
wait_until 5 eval "band_geometry && ((BAND_Y + BAND_HEIGHT == X_SCREEN_HEIGHT))" ||
    fail "the band is not docked at the bottom: $BAND_Y + $BAND_HEIGHT"

xdotool windowactivate --sync "$BAND_WINDOW" 2>/dev/null
xdotool key ctrl+n
$A11Y window "$EDITOR" || fail "Ctrl+N did not open the editor"
wait_until 5 eval 'frame_bottom "$EDITOR" && gap=$((BAND_Y - FRAME_BOTTOM - 1)) &&
    ((gap >= GAP_MIN && gap <= GAP_MAX))' ||
    fail "the editor's frame ends at row ${FRAME_BOTTOM:-?}, the band begins at $BAND_Y"
shot "$SHOTS/editor-above-bottom-band.png"
$A11Y press "Cancel" && $A11Y gone "$EDITOR" || fail "the editor did not close"

xdotool mousemove $((BAND_X + 400)) $((BAND_Y + 5)) click --repeat 2 --delay 80 1
$A11Y window "$ADMINISTRATION" || fail "the double-click did not open the administration"
wait_until 5 eval 'frame_bottom "$ADMINISTRATION" &&
    gap=$((X_SCREEN_HEIGHT - FRAME_BOTTOM - 1)) && ((gap >= GAP_MIN && gap <= GAP_MAX))' ||
    fail "the administration's frame ends at row ${FRAME_BOTTOM:-?} of $X_SCREEN_HEIGHT"
shot "$SHOTS/administration-bottom-band.png"
band_stop
