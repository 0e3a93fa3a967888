#!/usr/bin/env bash
# The band on a real X server with a window manager.
#   band_test.sh docking BIN_DIR    place, size and layer at the top and at the bottom
#   band_test.sh scrolling BIN_DIR  a short text stands, a long one moves
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/x_session.sh"
source "$HERE/band_session.sh"

[[ $# -eq 2 ]] || fail "usage: band_test.sh docking|scrolling BIN_DIR"
CASE=$1
SHOTS=$(mktemp -d /tmp/qb-e2e-shots.XXXXXX)
# Kept for a look when the test fails, or when QB_E2E_KEEP_SHOTS is set.
echo "screenshots in $SHOTS"

# Waits until the band's left, top and width are the expected ones (the window manager
# may map it before the program has moved it); then BAND_HEIGHT is known.
expect_band_at()
{
    local x=$1 y_expression=$2
    placed_as_expected()
    {
        band_geometry && [[ $BAND_X == "$x" && $BAND_WIDTH == "$X_SCREEN_WIDTH" ]] &&
            [[ $BAND_Y == $((y_expression)) ]]
    }
    wait_until 5 placed_as_expected ||
        fail "band at ${BAND_X},${BAND_Y} size ${BAND_WIDTH}x${BAND_HEIGHT}," \
            "expected x $x, y $y_expression, width $X_SCREEN_WIDTH"
}

net_wm_state()
{
    xprop -id "$BAND_WINDOW" _NET_WM_STATE
}

# The stacking order from bottom to top, one window id (decimal) per line.
stacking()
{
    local id
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^.*# //; s/,/ /g'); do
        printf '%d\n' "$id"
    done
}

case_docking()
{
    # Top, with frame, on top of other windows (the template's settings).
    band_session_prepare "$BIN_DIR_ARG"
    band_note "Docked"
    band_start
    expect_band_at 0 0
    local framed_height=$BAND_HEIGHT
    # A band of the text height plus a frame of 45 above and 90 below: 9 px more than
    # the text's 1.5 lines, so at least 9 + a few pixels.
    ((framed_height > 15 && framed_height < 60)) ||
        fail "framed band height $framed_height px is not a one-line band"
    net_wm_state | grep -q _NET_WM_STATE_ABOVE ||
        fail "ImmerOben -1 but the band is not above others: $(net_wm_state)"

    # Another window placed over the band and activated stays below it.
    display -title other-window -geometry 1920x200+0+0 -size 1920x200 xc:red &
    local other_pid=$!
    on_exit "stop_process $other_pid"
    local other=
    find_other()
    {
        other=$(xdotool search --onlyvisible --name '^other-window$' | head -n 1)
        [[ -n $other ]]
    }
    wait_until 10 find_other || fail "the other window did not appear"
    xdotool windowactivate --sync "$other" 2>/dev/null
    band_above_other()
    {
        local order
        order=$(stacking)
        local band_line other_line
        band_line=$(grep -nx "$BAND_WINDOW" <<<"$order" | cut -d: -f1)
        other_line=$(grep -nx "$other" <<<"$order" | cut -d: -f1)
        [[ -n $band_line && -n $other_line ]] && ((band_line > other_line))
    }
    wait_until 3 band_above_other || fail "band below the activated window: $(stacking)"
    shot "$SHOTS/top.png"
    # The band's own colour where the red window would show if it covered the band.
    local colour
    colour=$(pixel_colour "$SHOTS/top.png" $((X_SCREEN_WIDTH - 100)) $((framed_height / 2)))
    [[ $colour == "160,160,255" ]] || fail "band covered: colour $colour at its right end"
    stop_process "$other_pid"
    band_stop

    # Bottom, without frame, not on top: the same band 135 twips (9 px) lower in height.
    band_session_prepare "$BIN_DIR_ARG"
    band_setting dockPos 1
    band_setting zeigRahmen 0
    band_setting ImmerOben 0
    band_note "Docked"
    band_start
    expect_band_at 0 "X_SCREEN_HEIGHT - BAND_HEIGHT"
    ((BAND_HEIGHT == framed_height - 9)) ||
        fail "band without frame $BAND_HEIGHT px high, with frame $framed_height px"
    if net_wm_state | grep -q _NET_WM_STATE_ABOVE; then
        fail "ImmerOben 0 but the band is kept above others"
    fi
    shot "$SHOTS/bottom.png"
    band_stop
}

band_has_text()
{
    shot "$SHOTS/probe.png" "$(notiz_pan_geometry)"
    # Fewer background pixels than band pixels: the text has been drawn.
    local size background
    size=$(identify -format '%[fx:w*h]' "$SHOTS/probe.png")
    background=$(pixels_of_colour "$SHOTS/probe.png" 'rgb(160,160,255)')
    ((background < size))
}

# Two pictures of the ticker band a second apart; prints how many pixels differ.
band_motion()
{
    shot "$SHOTS/$1-1.png" "$(notiz_pan_geometry)"
    sleep 1
    shot "$SHOTS/$1-2.png" "$(notiz_pan_geometry)"
    pixels_differing "$SHOTS/$1-1.png" "$SHOTS/$1-2.png"
}

case_scrolling()
{
    band_session_prepare "$BIN_DIR_ARG"
    band_note "Short note"
    band_start
    expect_band_at 0 0
    wait_until 10 band_has_text || fail "the short note was not drawn"
    local moved
    moved=$(band_motion short)
    [[ $moved == 0 ]] || fail "a short note moved: $moved pixels changed"
    band_stop

    band_session_prepare "$BIN_DIR_ARG"
    local long="Long note:" i
    for i in $(seq 1 40); do long+=" word$i"; done
    band_note "$long"
    band_start
    expect_band_at 0 0
    wait_until 10 band_has_text || fail "the long note was not drawn"
    moved=$(band_motion long)
    [[ $moved =~ ^[0-9]+$ ]] || fail "cannot compare the pictures: $moved"
    ((moved > 0)) || fail "a long note stood still"
    band_stop
}

BIN_DIR_ARG=$2
x_session_start
case $CASE in
docking) case_docking ;;
scrolling) case_scrolling ;;
*) fail "unknown case $CASE" ;;
esac
echo "PASS: $CASE"
[[ -n ${QB_E2E_KEEP_SHOTS:-} ]] || rm -rf "$SHOTS"
