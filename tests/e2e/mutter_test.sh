#!/usr/bin/env bash
# The band under mutter, nested in Xvfb as a Wayland compositor, the band on its XWayland:
#   mutter_test.sh BIN_DIR
# at the top and at the bottom the band stays at its edge, full width, and the work area
# either leaves exactly its strip free or (where mutter moves a non-dock window out of its
# own strip, and the band gives the strip back) is the whole screen, never a strip beside
# a band that is not in it. Exits 77 (skipped) without mutter or Xwayland.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 1 ]] || fail "usage: mutter_test.sh BIN_DIR"
for program in mutter Xwayland; do
    command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit 77; }
done
ulimit -c 0 # Xwayland dumps core when mutter goes first

x_session_start "$1"
band_prepare
(cd "$SHOTS" && exec mutter --nested --wayland --wayland-display=qb-wayland) \
    >"$SHOTS/mutter.log" 2>&1 &
on_exit "stop_process $!"
wait_until 20 grep -q "Using public X11 display" "$SHOTS/mutter.log" ||
    fail "mutter did not start: $(tail -n 5 "$SHOTS/mutter.log")"
HOST_DISPLAY=$DISPLAY # the Xvfb that shows mutter's output window
# As a desktop session gives them: the Wayland display and XWayland's.
export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$SHOTS/mutter.log")
export WAYLAND_DISPLAY=qb-wayland
export XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
unset QT_QPA_PLATFORM
band_note Nested

for dock in 0 1; do
    band_setting dockPos $dock
    band_start
    read -r width height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
    expected_y=$((dock ? height - BAND_HEIGHT : 0))
    wait_until 5 eval 'band_geometry && ((BAND_X == 0 && BAND_WIDTH == width && BAND_Y == expected_y))' ||
        fail "dockPos $dock: band at $BAND_X,$BAND_Y width $BAND_WIDTH on a ${width}x$height screen"
    sleep 1 # mutter moves a window out of a strip soon after it is reserved
    band_geometry && ((BAND_Y == expected_y)) || fail "dockPos $dock: band moved to $BAND_Y"
    area=$(xprop -root _NET_WORKAREA | sed 's/^.*= //; s/, / /g' | cut -d' ' -f1-4)
    strip="0 $((dock ? 0 : BAND_HEIGHT)) $width $((height - BAND_HEIGHT))"
    [[ $area == "$strip" || $area == "0 0 $width $height" ]] ||
        fail "dockPos $dock: work area $area beside a band at $BAND_Y, $BAND_HEIGHT px high"
    echo "dockPos $dock: band at $BAND_Y, work area $area"
    # mutter's output is a window of the host display: its size and its place on the screen.
    output=$(DISPLAY=$HOST_DISPLAY xwininfo -root -tree | grep -m 1 '"mutter' |
        sed -n 's/.*  \([0-9]*x[0-9]*\)+[-0-9]*+[-0-9]*  +\([0-9]*\)+\([0-9]*\)$/\1+\2+\3/p')
    [[ -n $output ]] && DISPLAY=$HOST_DISPLAY shot "$SHOTS/mutter-$dock.png" "$output"
    band_stop
done
echo "PASS: mutter"
