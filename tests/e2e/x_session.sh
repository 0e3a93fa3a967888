# Sourced by the end-to-end tests: a private X server (Xvfb, 1920x1080x24) with openbox,
# both stopped when the test script exits. Also the small polling helpers the tests share.
#
#   source x_session.sh
#   x_session_start            # exports DISPLAY
#   on_exit "rm -rf $dir"      # more clean-up, run in reverse order at exit

X_SCREEN_WIDTH=1920
X_SCREEN_HEIGHT=1080

E2E_CLEANUP=()

on_exit()
{
    E2E_CLEANUP+=("$1")
}

run_cleanup()
{
    local i
    for ((i = ${#E2E_CLEANUP[@]} - 1; i >= 0; i--)); do
        eval "${E2E_CLEANUP[i]}" >/dev/null 2>&1 || true
    done
    E2E_CLEANUP=()
}
trap run_cleanup EXIT
trap 'exit 130' INT TERM

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; 1 on timeout.
wait_until()
{
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    while ! "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Stops a process started by this script and waits for it; silent when it is gone already.
stop_process()
{
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || return 0
    local i
    for ((i = 0; i < 50; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

x_server_answers()
{
    kill -0 "$X_PID" 2>/dev/null && xdpyinfo -display "$1" >/dev/null 2>&1
}

window_manager_running()
{
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts Xvfb on the first display number that is neither locked nor has a socket. Two
# sessions may pick the same number at the same moment: the loser's Xvfb exits at once
# ("server already active"), so the next number is tried.
x_session_start()
{
    local log_dir number
    log_dir=$(mktemp -d /tmp/qb-e2e-x.XXXXXX)
    on_exit "rm -rf '$log_dir'"
    for number in $(seq 40 140); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 "${X_SCREEN_WIDTH}x${X_SCREEN_HEIGHT}x24" -nolisten tcp \
            >"$log_dir/xvfb.log" 2>&1 &
        X_PID=$!
        if wait_until 10 x_server_answers ":$number"; then
            on_exit "stop_process $X_PID"
            export DISPLAY=":$number"
            break
        fi
        stop_process "$X_PID"
        X_PID=
    done
    [[ -n $X_PID ]] || fail "no free display for Xvfb ($(tail -n 3 "$log_dir/xvfb.log"))"

    openbox --sm-disable >"$log_dir/openbox.log" 2>&1 &
    WM_PID=$!
    on_exit "stop_process $WM_PID"
    wait_until 10 window_manager_running ||
        fail "openbox did not start: $(tail -n 3 "$log_dir/openbox.log")"
}

# shot FILE [GEOMETRY]: the root window, optionally cropped (WxH+X+Y), as PNG.
shot()
{
    if [[ -n ${2:-} ]]; then
        import -window root -crop "$2" +repage "$1"
    else
        import -window root "$1"
    fi
}

# Number of pixels in which two pictures differ.
pixels_differing()
{
    compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | cut -d' ' -f1
}

# Number of pixels of exactly the colour "rgb(r,g,b)" in a picture.
pixels_of_colour()
{
    convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The colour of one pixel of a picture as "r,g,b" (0-255).
pixel_colour()
{
    local p="p{$2,$3}"
    convert "$1" -format "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:
}
