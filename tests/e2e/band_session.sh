# Sourced by the end-to-end tests after x_session.sh: a fresh user for the ticker, its
# local database, and the running band.
#
#   band_session_prepare BIN_DIR   # fresh HOME, local database with the template's settings
#   band_setting dockPos 1         # change a setting before the start
#   band_note "text"               # add a permanent local note
#   band_start                     # sets BAND_PID and BAND_WINDOW
#   band_stop                      # ends the program, removes the marker

band_session_prepare()
{
    BIN_DIR=$(cd "$1" && pwd) || fail "no bin folder $1"
    [[ -x $BIN_DIR/quillaband && -x $BIN_DIR/quillaband-notes && -f $BIN_DIR/org.kvl ]] ||
        fail "quillaband, quillaband-notes or org.kvl missing in $BIN_DIR"
    # The program writes its network-error marker into its current folder, the bin folder.
    rm -f "$BIN_DIR/nefe"
    on_exit "rm -f '$BIN_DIR/nefe'"

    SESSION_DIR=$(mktemp -d /tmp/qb-e2e.XXXXXX)
    on_exit "rm -rf '$SESSION_DIR'"
    export HOME=$SESSION_DIR/home
    export XDG_CONFIG_HOME=$HOME/.config
    export XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$HOME/runtime
    unset XDG_DOCUMENTS_DIR
    export QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME/Documents/Quillaband 3"
    chmod 700 "$XDG_RUNTIME_DIR"

    LOCAL_DB="$HOME/Documents/Quillaband 3/qb.kvl"
    "$BIN_DIR/quillaband-notes" init "$LOCAL_DB" >/dev/null || fail "init of the local database"
    # The first run would open the start page in a browser.
    band_setting erstVorbei -1
}

# band_setting KEY VALUE [DATABASE]: VALUE is an SQL literal.
band_setting()
{
    sqlite3 "${3:-$LOCAL_DB}" "UPDATE Einstellungen SET $1 = $2;" ||
        fail "cannot set $1 in ${3:-$LOCAL_DB}"
}

# band_note TEXT [DATABASE]: a permanent note.
band_note()
{
    "$BIN_DIR/quillaband-notes" --db "${2:-$LOCAL_DB}" add "$1" >/dev/null ||
        fail "cannot add a note to ${2:-$LOCAL_DB}"
}

# The visible top-level windows of the running program.
band_windows()
{
    xdotool search --onlyvisible --pid "$BAND_PID" 2>/dev/null
}

# The band is the program's one visible window. A receiver briefly shows its connection
# band first, so the same window must be seen twice, half a second apart.
find_band_window()
{
    local first second
    first=$(band_windows)
    [[ -n $first && $first != *$'\n'* ]] || return 1
    sleep 0.5
    second=$(band_windows)
    [[ $first == "$second" ]] || return 1
    BAND_WINDOW=$first
}

band_start()
{
    (cd "$BIN_DIR" && exec ./quillaband) >"$SESSION_DIR/band.log" 2>&1 &
    BAND_PID=$!
    on_exit "stop_process $BAND_PID"
    wait_until 20 find_band_window ||
        fail "no band window within 20 s; log: $(tail -n 5 "$SESSION_DIR/band.log")"
    band_geometry || fail "no geometry of the band window $BAND_WINDOW"
}

band_stop()
{
    stop_process "$BAND_PID"
    BAND_PID=
    rm -f "$BIN_DIR/nefe"
}

# Sets BAND_X, BAND_Y, BAND_WIDTH, BAND_HEIGHT from the window's place on the screen.
band_geometry()
{
    BAND_X='' BAND_Y='' BAND_WIDTH='' BAND_HEIGHT=''
    while IFS='=' read -r key value; do
        case $key in
        X) BAND_X=$value ;;
        Y) BAND_Y=$value ;;
        WIDTH) BAND_WIDTH=$value ;;
        HEIGHT) BAND_HEIGHT=$value ;;
        esac
    done < <(xdotool getwindowgeometry --shell "$BAND_WINDOW")
    [[ -n $BAND_X && -n $BAND_Y && -n $BAND_WIDTH && -n $BAND_HEIGHT ]]
}

# The ticker band (NotizPan) on the screen with frame and date: from 2025 twips to the
# window's width less 90 twips, 45 twips below the window's top, the band's height.
notiz_pan_geometry()
{
    local left=135 top=$((BAND_Y + 3)) right=$((BAND_WIDTH - 6))
    echo "$((right - left))x$((BAND_HEIGHT - 9))+$left+$top"
}
