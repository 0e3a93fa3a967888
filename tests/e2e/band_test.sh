#!/usr/bin/env bash
# The band on a real X server with a window manager.
#   band_test.sh docking BIN_DIR    place, size and layer at the top and at the bottom
#   band_test.sh scrolling BIN_DIR  a short text stands, a long one moves
#   band_test.sh layer BIN_DIR      above others from the first show, with a window manager
#                                   that does not focus new windows
#   band_test.sh platform BIN_DIR   the layer changes on the window as it is (the Qt
#                                   platform's own test, on this display)
#   band_test.sh strip BIN_DIR      the band's strip is kept free of other windows at either
#                                   edge and follows a larger font
#   band_test.sh notice BIN_DIR     the first start says so in a bubble when the window
#                                   manager keeps no strip free, and only then
#   band_test.sh screens BIN_DIR    on a primary monitor right of another; re-docked when
#                                   the screen gets smaller
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 2 ]] || fail "usage: band_test.sh docking|scrolling BIN_DIR"

# band_with NOTE [KEY VALUE]...: a fresh user's band showing NOTE, with these settings.
band_with() {
    band_prepare
    band_note "$1"
    shift
    while (($# > 1)); do band_setting "$1" "$2" && shift 2; done
    band_start
}

# Waits until the band is at the left, as wide as the screen and at the top given as an
# expression (the window manager may map it before the program has moved it).
expect_band_at() {
    wait_until 5 eval "band_geometry && ((BAND_X == 0 && BAND_WIDTH == X_SCREEN_WIDTH && BAND_Y == $1))" ||
        fail "band at $BAND_X,$BAND_Y size ${BAND_WIDTH}x$BAND_HEIGHT, expected 0,$1 full width"
}


band_above_other() { stacked_above "$OTHER" "$BAND_WINDOW"; }

# Fewer background pixels than band pixels: the text has been drawn.
band_has_text() {
    local file
    file=$(band_shot) || return 1
    (($(pixels_of_colour "$file" 'rgb(160,160,255)') < $(identify -format '%[fx:w*h]' "$file")))
}

case_docking() {
    # Top, with frame, on top of other windows (the template's settings).
    band_with Docked
    expect_band_at 0
    local framed=$BAND_HEIGHT
    # The text's 1.5 lines and a frame of 45 twips above and 90 below (9 px): one line.
    ((framed > 15 && framed < 60)) || fail "framed band height $framed px is not a one-line band"
    above || fail "ImmerOben -1 but the band is not above others: $(net_wm_state)"

    # Another window placed over the band and activated stays below it.
    display -title other-window -geometry 1920x200+0+0 -size 1920x200 xc:red &
    local other_pid=$!
    on_exit "stop_process $other_pid"
    wait_until 10 eval 'OTHER=$(xdotool search --onlyvisible --name "^other-window$" | head -n 1)
        [[ -n $OTHER ]]' || fail "the other window did not appear"
    xdotool windowactivate --sync "$OTHER" 2>/dev/null
    wait_until 3 band_above_other ||
        fail "band below the activated window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
    shot "$SHOTS/top.png"
    # The band's own colour where the red window would show if it covered the band.
    local p="p{$((X_SCREEN_WIDTH - 100)),$((framed / 2))}" colour
    colour=$(convert "$SHOTS/top.png" -format \
        "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:)
    [[ $colour == "160,160,255" ]] || fail "band covered: colour $colour at its right end"
    stop_process "$other_pid"
    band_stop

    # Bottom, without frame, not on top: the same band 135 twips (9 px) lower in height.
    band_with Docked dockPos 1 zeigRahmen 0 ImmerOben 0
    expect_band_at "X_SCREEN_HEIGHT - BAND_HEIGHT"
    ((BAND_HEIGHT == framed - 9)) ||
        fail "band without frame $BAND_HEIGHT px high, with frame $framed px"
    above && fail "ImmerOben 0 but the band is kept above others"
    shot "$SHOTS/bottom.png"
    band_stop
}

case_scrolling() {
    band_with "Short note"
    expect_band_at 0
    wait_until 10 band_has_text || fail "the short note was not drawn"
    band_moves && fail "a short note moved: $MOVED pixels changed"
    band_stop

    band_with "Long note:$(printf ' word%d' $(seq 1 40))"
    expect_band_at 0
    wait_until 10 band_has_text || fail "the long note was not drawn"
    band_moves || fail "a long note stood still"
    band_stop
}

case_layer() {
    band_with Layer
    expect_band_at 0
    above || fail "ImmerOben -1, not focused, and the band is not above others: $(net_wm_state)"
    local active
    active=$(xdotool getactivewindow 2>/dev/null)
    [[ $active != "$BAND_WINDOW" ]] || fail "the window manager focused the band: no test"
    band_stop
}

case_platform() {
    QT_QPA_PLATFORM=xcb "$BIN_DIR/qt_platform_tests" >"$SHOTS/platform.log" 2>&1 ||
        fail "the Qt platform's test under X: $(grep -A3 FAIL "$SHOTS/platform.log")"
}

# The work area of the first desktop as "X Y WIDTH HEIGHT".
work_area() { xprop -root _NET_WORKAREA | sed 's/^.*= //; s/, / /g' | cut -d' ' -f1-4; }

# Waits until the work area is the screen less the band's rows at its edge.
expect_strip_free() {
    local expected at_bottom=$1
    wait_until 5 eval 'band_geometry && expected="0 $((at_bottom ? 0 : BAND_HEIGHT)) $X_SCREEN_WIDTH $((X_SCREEN_HEIGHT - BAND_HEIGHT))" && [[ $(work_area) == "$expected" ]]' ||
        fail "work area $(work_area) beside a band at $BAND_Y, ${BAND_HEIGHT} px high, expected $expected"
}

case_strip() {
    # At the top a maximised window starts below the band; the band keeps its place.
    band_with Strip
    expect_band_at 0
    expect_strip_free 0
    xterm -maximized -e sleep 60 >/dev/null 2>&1 &
    on_exit "stop_process $!"
    local xterm_window Y= HEIGHT=
    wait_until 10 eval 'xterm_window=$(xdotool search --onlyvisible --class xterm | head -n 1)
        [[ -n $xterm_window ]]' || fail "no xterm window"
    wait_until 5 eval 'eval "$(xdotool getwindowgeometry --shell "$xterm_window")"; ((Y >= BAND_HEIGHT && Y + HEIGHT > X_SCREEN_HEIGHT - 40))' ||
        fail "maximised xterm at y $Y, $HEIGHT px high, below a band $BAND_HEIGHT px high"
    # A click activates and raises the band: it stays in its strip.
    xdotool mousemove 1000 $((BAND_HEIGHT / 2)) click 1
    sleep 0.5
    expect_band_at 0
    shot "$SHOTS/strip-top.png"
    band_stop
    [[ $(work_area) == "0 0 $X_SCREEN_WIDTH $X_SCREEN_HEIGHT" ]] ||
        fail "work area $(work_area) after the band ended"

    # At the bottom, as a receiver whose broadcaster then chooses a larger font: the strip
    # grows with the band.
    receiver_prepare
    band_setting dockPos 1
    band_start
    expect_band_at "X_SCREEN_HEIGHT - BAND_HEIGHT"
    expect_strip_free 1
    local before=$BAND_HEIGHT
    band_setting SchriftGroesse 20 "$BROADCAST_DB"
    wait_until 10 eval 'band_geometry && ((BAND_HEIGHT > before))' ||
        fail "band still $BAND_HEIGHT px high after the broadcaster's larger font"
    expect_band_at "X_SCREEN_HEIGHT - BAND_HEIGHT"
    expect_strip_free 1
    shot "$SHOTS/strip-bottom.png"
    band_stop
}

# The program's windows other than the band after the start has settled.
other_windows() { sleep 2 && band_windows | grep -vx "$BAND_WINDOW"; }

case_notice() {
    a11y_start
    export BROWSER=true # the first start opens the manual
    band_prepare
    band_setting erstVorbei 0
    band_start
    [[ -z $(other_windows) ]] || fail "a notice on the first start with openbox"
    band_stop

    # A window manager that lists no struts among its hints (as one that ignores them).
    xprop -root -remove _NET_SUPPORTED
    band_prepare
    band_start
    [[ -z $(other_windows) ]] || fail "a notice on a later start"
    band_stop
    band_setting erstVorbei 0
    band_start
    $A11Y showing "This desktop does not let the band dock at the screen edge; see Help." \
        >/dev/null || fail "no notice on the first start without struts"
    sleep 1.5 # the bubble slides in
    # Above the band, which raised itself when the window manager activated it.
    OTHER=$(other_windows | head -n 1)
    [[ -n $OTHER ]] && stacked_above "$BAND_WINDOW" "$OTHER" ||
        fail "the notice is under the band: $(xprop -root _NET_CLIENT_LIST_STACKING)"
    shot "$SHOTS/notice.png"
    band_stop
}

case_screens() {
    # Two monitors side by side, the primary one on the right.
    xrandr --setmonitor left 960/254x1080/286+0+0 none >/dev/null &&
        xrandr --setmonitor '*right' 960/254x1080/286+960+0 none >/dev/null ||
        fail "cannot make two monitors"
    band_with Monitors
    wait_until 5 eval "band_geometry && ((BAND_X == 960 && BAND_WIDTH == 960 && BAND_Y == 0))" ||
        fail "band at $BAND_X,$BAND_Y width $BAND_WIDTH, expected 960,0 width 960"
    band_stop
    xrandr --delmonitor right >/dev/null && xrandr --delmonitor left >/dev/null

    # Docked at the bottom, then the screen shrinks to 1280x720: the band follows its edge.
    band_with Shrinking dockPos 1
    expect_band_at "X_SCREEN_HEIGHT - BAND_HEIGHT"
    xrandr --newmode small 74.25 1280 1390 1430 1650 720 725 730 750 &&
        xrandr --addmode screen small && xrandr --output screen --mode small ||
        fail "cannot shrink the screen"
    wait_until 5 eval "band_geometry && ((BAND_X == 0 && BAND_WIDTH == 1280 && BAND_Y + BAND_HEIGHT == 720))" ||
        fail "band at $BAND_X,$BAND_Y size ${BAND_WIDTH}x$BAND_HEIGHT on a 1280x720 screen"
    shot "$SHOTS/small.png"
    band_stop
}

[[ $1 == notice ]] && a11y_session "$@"
[[ $1 == layer ]] && X_FOCUS_NEW=no
x_session_start "$2"
case $1 in
docking | scrolling | strip | notice | screens | layer | platform) "case_$1" ;;
*) fail "unknown case $1" ;;
esac
echo "PASS: $1"
