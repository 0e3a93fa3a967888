#!/usr/bin/env bash
# The band under sway (wlroots), headless, started as a desktop session starts programs (with
# the session's WAYLAND_DISPLAY and XWayland's DISPLAY):
#   sway_test.sh BIN_DIR POINTER_TOOL
# At the top and at the bottom the workspace leaves the band's strip free, sway's tree holds
# no window of the band and a screenshot shows the band at its edge. At the top a right click
# opens the menu below the strip, a double click the notes administration; after a click the
# Menu key opens the menu for the arrow keys, and Ctrl+N the note editor; each window opened
# takes the keys (Escape closes it). At the bottom a bubble shows just above the strip. With
# a second monitor that has the focus, the strip stays on the primary one. Run as root, the
# script runs itself again as an unprivileged account. Exits 77 (skipped) without sway, grim, wtype or Xwayland.
set -uo pipefail
[[ $# -eq 2 ]] || { echo "usage: sway_test.sh BIN_DIR POINTER_TOOL" >&2; exit 2; }
HERE=$(dirname "${BASH_SOURCE[0]}")
source "$HERE/x_session.sh"
source "$HERE/sway_session.sh"
sway_session_require grim wtype
sway_session_account "$@"
POINTER_TOOL=$2
sway_session_start "$1"
band_note "Docked by the layer shell"
# Without input devices the seat has no pointer: the tool gives it one.
coproc POINTER { exec "$POINTER_TOOL"; }
on_exit "stop_process $POINTER_PID"
read -r -t 10 ready <&"${POINTER[0]}" && [[ $ready == ready ]] || fail "no virtual pointer"

# workspace_rect [OUTPUT]: the place of the workspace shown on OUTPUT, by default of the
# focused one: "x y width height".
workspace_rect() {
    swaymsg -t get_workspaces -r | python3 -c 'import json, sys
output = sys.argv[1]
shown = [w for w in json.load(sys.stdin)
         if (w["visible"] and w["output"] == output) or (not output and w["focused"])]
w = shown[0]["rect"]
print(w["x"], w["y"], w["width"], w["height"])' "${1:-}"
}
# The titles of the windows in sway's tree, one per line.
window_titles() {
    swaymsg -t get_tree -r | python3 -c 'import json, sys
def walk(node):
    if node.get("pid"):
        print(node.get("name") or "")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
# colour_at FILE X Y
colour_at() { convert "$1" -format "%[pixel:p{$2,$3}]" info: | sed 's/^s//'; }
click() {
    swaymsg seat seat0 cursor set "$1" "$2" >/dev/null &&
        swaymsg seat seat0 cursor press "$3" >/dev/null && swaymsg seat seat0 cursor release "$3" >/dev/null
}
# Whether a window of the program narrower than the band is shown on XWayland: the menu.
menu_window() {
    local id
    for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Quillaband": ("quillaband".*  \([0-9]*\)x[0-9]*+.*/\1 \2/p' |
        awk '$2 < 1920 { print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}


# check_input STRIP: the menu, a double click and the keys on a band at the top. Each wtype
# brings a keyboard of its own, which the band's connection gets a moment later: it waits
# half a second before its first key.
check_input() {
    local middle=$(($1 / 2))
    export DISPLAY=$(tr '\0' '\n' </proc/"$BAND_PID"/environ | sed -n 's/^DISPLAY=//p')
    click 700 $middle button3
    wait_until 5 menu_window || fail "no menu after a right click"
    grim "$SHOTS/sway-menu.png"
    [[ $(colour_at "$SHOTS/sway-menu.png" 720 $(($1 + 8))) == 'rgb(255,255,255)' ]] ||
        fail "the menu does not open below the strip (see sway-menu.png)"
    click 1500 $middle button1
    wait_until 5 eval '! menu_window' || fail "a click on the strip left the menu open"
    click 1500 $middle button1 && click 1500 $middle button1
    wait_until 5 eval 'window_titles | grep -q "Notes administration"' ||
        fail "no administration after a double click: $(window_titles)"
    wtype -s 500 -k Escape
    wait_until 5 eval '[[ -z $(window_titles) ]]' || fail "the administration did not get Escape"
    # The Menu key opens the menu at its first entry; the arrow keys and Return reach it.
    click 1500 $middle button1
    wtype -s 500 -k Menu
    wait_until 5 menu_window || fail "no menu after the Menu key"
    wtype -s 500 -k Down -k Return
    wait_until 5 eval 'window_titles | grep -q "Notes administration"' ||
        fail "Down and Return in the menu did not open the administration: $(window_titles)"
    wtype -s 500 -k Escape
    wait_until 5 eval '[[ -z $(window_titles) ]]' || fail "the administration did not get Escape"
    click 1500 $middle button1
    wtype -s 500 -M ctrl n -m ctrl
    wait_until 5 eval 'window_titles | grep -q "Edit note"' ||
        fail "no note editor after Ctrl+N: $(window_titles)"
    wtype -s 500 -k Escape
    wait_until 5 eval '[[ -z $(window_titles) ]]' || fail "the note editor did not get Escape"
}

BAND_COLOUR='rgb(160,160,255)' # the ticker band's default background
# bubble_in Y HEIGHT: the bubble's face shows in those rows of the screen.
bubble_in() {
    local crop=$SHOTS/bubble-rows.png
    grim "$SHOTS/sway-bubble.png" &&
        convert "$SHOTS/sway-bubble.png" -crop "1920x$2+0+$1" +repage "$crop" &&
        (($(pixels_of_colour "$crop" 'rgb(255,255,225)') > 500))
}

for dock in 0 1; do
    band_setting dockPos $dock
    # At the bottom, the outcome of an update comes in a bubble at the start.
    ((dock)) && echo "Version 3.01 has been installed." >"$BIN_DIR/updresult.txt"
    start_sway_band
    wait_until 20 eval 'read -r x y width height < <(workspace_rect); ((height < 1080))' ||
        fail "dockPos $dock: the workspace still covers the screen ($x $y ${width}x$height)"
    strip=$((1080 - height))
    expected_y=$((dock ? 0 : strip))
    ((x == 0 && width == 1920 && y == expected_y && strip >= 20 && strip <= 60)) ||
        fail "dockPos $dock: workspace at $x,$y ${width}x$height"
    echo "dockPos $dock: workspace $x $y ${width}x$height, strip $strip px"
    [[ -z $(window_titles) ]] || fail "dockPos $dock: sway manages windows: $(window_titles)"
    top=$((dock ? 1080 - strip : 0))
    grim "$SHOTS/sway-$dock.png" || fail "no screenshot"
    [[ $(colour_at "$SHOTS/sway-$dock.png" 1500 $((top + strip / 2))) == "$BAND_COLOUR" ]] ||
        fail "dockPos $dock: no band in its strip (see sway-$dock.png)"
    outside=$((dock ? top - 5 : strip + 5))
    [[ $(colour_at "$SHOTS/sway-$dock.png" 1500 $outside) != "$BAND_COLOUR" ]] ||
        fail "dockPos $dock: the band reaches beyond its strip"
    ((dock == 0)) && check_input "$strip"
    ((dock == 0)) || wait_until 5 bubble_in $((top - 100)) 100 ||
        fail "no bubble just above the strip (see sway-bubble.png)"
    stop_process "$BAND_PID"
done

# A second monitor with the focus: the strip still lies on the band's screen, the primary,
# where the band lays itself out and opens its menu.
swaymsg create_output >/dev/null && swaymsg focus output HEADLESS-2 >/dev/null ||
    fail "no second output"
band_setting dockPos 0
start_sway_band
wait_until 20 eval 'read -r x y width height < <(workspace_rect HEADLESS-1); ((y > 0))' ||
    fail "two outputs: no strip on the primary HEADLESS-1 ($x $y ${width}x$height)"
read -r x y width height < <(workspace_rect HEADLESS-2)
((y == 0 && height == 1080)) || fail "two outputs: a strip on the focused HEADLESS-2 ($x $y)"
echo "two outputs: the strip on HEADLESS-1, HEADLESS-2 with the focus left whole"
stop_process "$BAND_PID"
echo "PASS: sway"
