# Sourced by the end-to-end tests: a private X server (Xvfb, 1920x1080x24) with openbox
# (x_session_start BIN_DIR), a fresh user with its local database (band_prepare), the band
# (band_start, band_stop), polling and pictures. All is stopped or removed at exit; the
# screenshots stay after a failure.

X_SCREEN_WIDTH=1920 X_SCREEN_HEIGHT=1080
CLEANUP=()
on_exit() { CLEANUP=("$1" "${CLEANUP[@]}"); } # run in reverse order
trap 'for c in "${CLEANUP[@]}"; do eval "$c" >/dev/null 2>&1; done' EXIT
trap 'exit 130' INT TERM
fail() {
    echo "FAIL: $* (screenshots in ${SHOTS:-none})" >&2
    SHOTS_KEPT=1
    exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; 1 on timeout.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Stops a process this script started and waits for it; silent when it is gone already.
stop_process() {
    [[ -n ${1:-} ]] && kill "$1" 2>/dev/null || return 0
    wait_until 5 eval "! kill -0 $1 2>/dev/null" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}

# Xvfb on the first display number that is neither locked nor has a socket. Two sessions
# may pick the same number at once: the loser's Xvfb exits ("server already active"),
# so the next number is tried. With X_FOCUS_NEW=no, openbox does not focus new windows.
x_session_start() {
    BIN_DIR=$(cd "$1" && pwd) || fail "no bin folder $1"
    [[ -x $BIN_DIR/quillaband && -x $BIN_DIR/quillaband-notes && -f $BIN_DIR/org.kvl ]] ||
        fail "quillaband, quillaband-notes or org.kvl missing in $BIN_DIR"
    SHOTS=$(mktemp -d /tmp/qb-e2e.XXXXXX)
    on_exit '[[ -n ${SHOTS_KEPT:-}${QB_E2E_KEEP_SHOTS:-} ]] || rm -rf "$SHOTS"'
    local number openbox_pid openbox_options=(--sm-disable)
    if [[ ${X_FOCUS_NEW:-yes} == no ]]; then
        printf '%s\n' '<openbox_config xmlns="http://openbox.org/3.4/rc">' \
            '<focus><focusNew>no</focusNew></focus></openbox_config>' >"$SHOTS/rc.xml"
        openbox_options+=(--config-file "$SHOTS/rc.xml")
    fi
    for number in $(seq 40 140); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 ${X_SCREEN_WIDTH}x${X_SCREEN_HEIGHT}x24 -nolisten tcp -noreset \
            >"$SHOTS/xvfb.log" 2>&1 &
        X_PID=$!
        export DISPLAY=:$number
        # -noreset: the probe's disconnect must not reset the server under openbox. A
        # display number another server takes at the same moment fails one of the two
        # waits: then both are stopped and the next number is tried.
        if wait_until 10 eval "kill -0 $X_PID 2>/dev/null && xdpyinfo >/dev/null 2>&1"; then
            openbox "${openbox_options[@]}" >"$SHOTS/openbox.log" 2>&1 &
            openbox_pid=$!
            if wait_until 10 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"; then
                on_exit "stop_process $X_PID"
                on_exit "stop_process $openbox_pid"
                break
            fi
            stop_process "$openbox_pid"
        fi
        stop_process "$X_PID"
        X_PID=
    done
    [[ -n $X_PID ]] || fail "no display with Xvfb and openbox ($(tail -n 3 "$SHOTS/xvfb.log" \
        "$SHOTS/openbox.log"))"
    # The program writes its network-error marker into its current folder, the bin folder.
    on_exit "rm -f '$BIN_DIR/nefe'"
}

band_prepare() {
    export HOME=$(mktemp -d "$SHOTS/home.XXXXXX")
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$HOME/runtime QT_QPA_PLATFORM=xcb
    unset XDG_DOCUMENTS_DIR
    mkdir -p "$XDG_CONFIG_HOME" "$HOME/Documents/Quillaband 3" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    LOCAL_DB="$HOME/Documents/Quillaband 3/qb.kvl"
    "$BIN_DIR/quillaband-notes" init "$LOCAL_DB" >/dev/null || fail "init of the local database"
    band_setting erstVorbei -1 # the first run would open the start page in a browser
}

# A fresh user as a receiver of the broadcaster's file $BROADCAST_DB, which holds the note
# "Broadcast news". Both at 10 px per tick: the text runs through the band in a few
# seconds (the broadcaster's display settings are adopted at every rebuild).
receiver_prepare() {
    band_prepare
    BROADCAST_DB=$HOME/share/broadcast.kvl
    mkdir "$HOME/share" && "$BIN_DIR/quillaband-notes" init "$BROADCAST_DB" >/dev/null ||
        fail "init of the broadcaster"
    band_note "Broadcast news" "$BROADCAST_DB"
    band_setting broadcastStatus -1
    band_setting broadcastPfad "'$BROADCAST_DB'"
    band_setting Speed 150
    band_setting Speed 150 "$BROADCAST_DB"
}

# Whether the broadcaster's note (yellow, its colour) is in a picture of the band.
broadcast_note_shown() {
    local count
    count=$(pixels_of_colour "$(band_shot)" 'rgb(255,255,0)')
    [[ $count =~ ^[0-9]+$ ]] || fail "cannot count colours in a picture of the band: $count"
    ((count > 0))
}

# band_setting KEY SQL-VALUE [DATABASE]; band_note TEXT [DATABASE]
band_setting() {
    sqlite3 "${3:-$LOCAL_DB}" "UPDATE Einstellungen SET $1 = $2;" || fail "cannot set $1"
}

band_note() {
    "$BIN_DIR/quillaband-notes" --db "${2:-$LOCAL_DB}" add "$1" >/dev/null || fail "cannot add $1"
}

# The program's visible top-level windows: those the window manager manages, not the
# ticker's surface inside the band.
band_windows() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$BAND_PID" 2>/dev/null); do
        xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' && echo "$window"
    done
}

# Every visible window of the program, sampled until it ends (into $HOME/windows.log);
# other_windows_seen: those other than the band, one id per line.
sample_windows() {
    : >"$HOME/windows.log"
    (while kill -0 "$BAND_PID" 2>/dev/null; do
        band_windows
        sleep 0.2
    done) >>"$HOME/windows.log" &
    on_exit "stop_process $!"
}
# stacked_above LOWER UPPER: the window UPPER is above LOWER (_NET_CLIENT_LIST_STACKING runs
# from bottom to top).
stacked_above() {
    local order=" $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^.*# //; s/,//g') "
    [[ $order == *" $(printf 0x%x "$1") "*"$(printf 0x%x "$2") "* ]]
}

other_windows_seen() { grep -vx "$BAND_WINDOW" "$HOME/windows.log" | sort -u; }
bubble_seen() { [[ -n $(other_windows_seen) ]]; }

# The program's visible windows at least 640 pixels wide (a monitor, a band): not the intro,
# the bubble or the update notice.
wide_windows() {
    local window WIDTH
    for window in $(band_windows); do
        WIDTH=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | sed -n 's/^WIDTH=//p')
        ((${WIDTH:-0} >= 640)) && echo "$window"
    done
}

# The band is the program's one wide window. A receiver briefly shows its connection band
# first, so the same window must be seen twice, half a second apart.
find_band_window() {
    BAND_WINDOW=$(wide_windows)
    [[ -n $BAND_WINDOW && $BAND_WINDOW != *$'\n'* ]] && sleep 0.5 &&
        [[ $(wide_windows) == "$BAND_WINDOW" ]]
}

band_start() {
    rm -f "$BIN_DIR/nefe"
    # The online version check stays off unless the test points it at its own server.
    (cd "$BIN_DIR" && QUILLABAND_UPDATE_URL=${QUILLABAND_UPDATE_URL-} exec ./quillaband) \
        >"$HOME/band.log" 2>&1 &
    BAND_PID=$!
    on_exit "stop_process $BAND_PID"
    wait_until 20 find_band_window ||
        fail "no band window within 20 s; log: $(tail -n 5 "$HOME/band.log")"
    band_geometry || fail "no geometry of the band window $BAND_WINDOW"
}

net_wm_state() { xprop -id "$BAND_WINDOW" _NET_WM_STATE; }
above() { net_wm_state | grep -q _NET_WM_STATE_ABOVE; }

band_stop() { stop_process "$BAND_PID" && rm -f "$BIN_DIR/nefe"; }

band_geometry() {
    local X= Y= WIDTH= HEIGHT= WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$BAND_WINDOW" 2>/dev/null)"
    BAND_X=$X BAND_Y=$Y BAND_WIDTH=$WIDTH BAND_HEIGHT=$HEIGHT
    [[ -n $X && -n $Y && -n $WIDTH && -n $HEIGHT ]]
}

# shot FILE [GEOMETRY]: the root window, optionally cropped (WxH+X+Y), as PNG.
shot() { import -window root ${2:+-crop "$2" +repage} "$1"; }

# A picture of the ticker band (NotizPan) alone, named by the time; prints the file name.
# It runs from 2025 twips to the window's width less 90, 45 twips below its top.
band_shot() {
    local file=$SHOTS/band-$(date +%H%M%S.%N).png
    shot "$file" "$((BAND_WIDTH - 141))x$((BAND_HEIGHT - 9))+135+$((BAND_Y + 3))" && echo "$file"
}

# Whether the ticker band changes within a second; MOVED: in how many pixels.
band_moves() {
    local first second
    first=$(band_shot) && sleep 1 && second=$(band_shot) || fail "no picture of the band"
    MOVED=$(compare -metric AE "$first" "$second" null: 2>&1 >/dev/null | cut -d' ' -f1)
    [[ $MOVED =~ ^[0-9]+$ ]] || fail "cannot compare $first and $second: $MOVED"
    ((MOVED > 0))
}

# Number of pixels of exactly the colour "rgb(r,g,b)" in a picture.
pixels_of_colour() {
    convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The accessibility bus, through which the tests find and press controls by their names as
# a screen reader would. a11y_session runs the calling script again inside a private D-Bus
# session (call it first, with the script's arguments); a11y_start, after x_session_start,
# starts the bus on that display. Then "$A11Y command ..." runs a11y.py.
a11y_session() {
    [[ -n ${QB_A11Y_SESSION:-} ]] && return 0
    QB_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
}

a11y_start() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$SHOTS/at-spi.log" 2>&1 &
    on_exit "stop_process $!"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    A11Y="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/a11y.py"
}

# a11y_menu X Y ENTRY: opens the popup menu with a right click at X,Y and chooses ENTRY
# through the accessibility bus, the way a screen reader user does with the arrow keys.
a11y_menu() {
    coproc MENU { $A11Y menu "$3" 2>&1; }
    local ready
    read -r -t 10 ready <&"${MENU[0]}"
    [[ $ready == listening ]] || return 1
    xdotool mousemove "$1" "$2" click 3
    sleep 0.3
    xdotool key Down
    wait "$MENU_PID"
}
