# Sourced by the scripts that run the band under sway (wlroots), headless (1920x1080), as a
# desktop session starts programs (with the session's WAYLAND_DISPLAY and XWayland's
# DISPLAY). sway refuses to run as root: sway_session_account ARGS... runs the calling
# script again as the unprivileged account qb-e2e (ARGS are its arguments, paths made
# absolute). sway_session_start BIN_DIR [FILE...] copies the program and FILEs out of BIN_DIR,
# prepares a fresh user (band_prepare) and starts sway; start_sway_band starts the band
# (BAND_PID). SWAY_PID is sway's process.

# Exits 77 (skipped) where one of the programs is missing.
sway_session_require() {
    local program
    for program in sway swaymsg Xwayland "$@"; do
        command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit 77; }
    done
}

sway_session_account() {
    [[ $(id -u) -eq 0 ]] || return 0
    # XWayland's socket folder, as the X servers of the other tests make it: made by another
    # account, it would be refused by every X server but that account's.
    [[ -d /tmp/.X11-unix ]] || install -d -m 1777 /tmp/.X11-unix
    id qb-e2e >/dev/null 2>&1 || useradd --system --create-home --home-dir /var/lib/qb-e2e \
        --shell /usr/sbin/nologin qb-e2e || { echo "FAIL: cannot add the account qb-e2e"; exit 1; }
    local arguments=() argument
    for argument in "$@"; do
        [[ -e $argument ]] && argument=$(realpath "$argument")
        arguments+=("$argument")
    done
    exec runuser -u qb-e2e -- env PATH="$PATH" ${ROUNDS:+ROUNDS=$ROUNDS} \
        ${MEASURE_NOTE:+MEASURE_NOTE="$MEASURE_NOTE"} bash "$(realpath "$0")" "${arguments[@]}"
}

sway_session_start() {
    local source=$1 file
    shift
    SHOTS=$(mktemp -d /tmp/qb-e2e.XXXXXX)
    on_exit '[[ -n ${SHOTS_KEPT:-}${QB_E2E_KEEP_SHOTS:-} ]] || rm -rf "$SHOTS"'
    # A copy of the program: a build tree keeps its state files beside the program, and the
    # build folder belongs to another account.
    BIN_DIR=$SHOTS/bin
    mkdir "$BIN_DIR" || fail "cannot make $BIN_DIR"
    for file in quillaband quillaband-notes org.kvl start-e.htm start-d.htm help "$@"; do
        cp -R "$source/$file" "$BIN_DIR" || fail "cannot copy $file from $source"
    done
    band_prepare
    unset QT_QPA_PLATFORM # the program chooses, as in a desktop session

    printf '%s\n' 'output HEADLESS-1 resolution 1920x1080 position 0 0' 'xwayland enable' \
        >"$SHOTS/sway.config"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$SHOTS/sway.config" >"$SHOTS/sway.log" 2>&1 &
    SWAY_PID=$!
    on_exit "stop_process $SWAY_PID"
    wait_until 20 eval 'sway_socket && swaymsg -t get_version >/dev/null 2>&1' ||
        fail "sway did not start: $(tail -n 5 "$SHOTS/sway.log")"
    export WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock | head -n 1)")
}

sway_socket() {
    export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [[ -n $SWAYSOCK ]]
}

# sway_exec COMMAND: runs COMMAND as sway's children run, in BIN_DIR; its output goes to
# $HOME/PROGRAM.log. Sets STARTED_PID to the process of PROGRAM (the first word) that runs in
# BIN_DIR: sway detaches what it starts, and another session may run the same program.
sway_exec() {
    local program=${1%% *}
    swaymsg exec "cd '$BIN_DIR' && exec $1 >'$HOME/${program##*/}.log' 2>&1" >/dev/null
    wait_until 20 eval 'STARTED_PID=$(started_in_bin "${program##*/}")' ||
        fail "$program did not start"
    on_exit "stop_process $STARTED_PID"
}

started_in_bin() {
    local pid
    for pid in $(pgrep -u "$(id -u)" -x "$1"); do
        [[ $(readlink "/proc/$pid/cwd") == "$BIN_DIR" ]] && echo "$pid" && return 0
    done
    return 1
}

start_sway_band() {
    sway_exec ./quillaband
    BAND_PID=$STARTED_PID
}
