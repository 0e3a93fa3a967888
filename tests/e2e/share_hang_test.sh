#!/usr/bin/env bash
# A receiver reads its broadcaster's file over sshfs (an sshd on 127.0.0.1) while the share
# stops answering:
#   share_hang_test.sh stop|unmount|hungstart BIN_DIR
# stop:      the sftp-server is stopped (SIGSTOP) for 20 s, then continued;
# unmount:   the share is unmounted (fusermount -u) for 20 s, then mounted again;
# hungstart: the band starts while the sftp-server is stopped.
# Throughout, the clock panel changes every second (sampled from pictures; the longest
# standstill is printed), the local note stays on the band and the notice comes once; after
# the share answers again the broadcaster's note is back within 20 s. A hung start shows
# the band within the link's deadline plus a second after the connection band. Ending the
# program from its menu while the share hangs (stop) ends it at once.
# Exits 77 (skipped) when the machine has no /dev/fuse.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
[[ $# -eq 2 ]] || fail "usage: share_hang_test.sh stop|unmount|hungstart BIN_DIR"
CASE=$1
HANG_SECONDS=20
DEADLINE_SECONDS=4 # the broadcast link's deadline
MAX_STANDSTILL=2.5 # seconds without a new clock picture

if [[ ! -c /dev/fuse ]]; then
    echo "SKIP: no /dev/fuse on this machine, sshfs cannot mount"
    exit 77
fi
for tool in sshfs /usr/sbin/sshd ssh-keygen fusermount; do
    command -v "$tool" >/dev/null || fail "$tool missing (scripts/deps.sh installs it)"
done

# An sshd of its own on a free port, with throw-away host and user keys.
sshd_start() {
    SSH_DIR=$SHOTS/ssh
    mkdir -m 700 "$SSH_DIR"
    ssh-keygen -q -t ed25519 -N '' -f "$SSH_DIR/host_key" &&
        ssh-keygen -q -t ed25519 -N '' -f "$SSH_DIR/user_key" || fail "ssh-keygen"
    cp "$SSH_DIR/user_key.pub" "$SSH_DIR/authorized_keys"
    SSH_PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    cat >"$SSH_DIR/sshd_config" <<CONF
ListenAddress 127.0.0.1
Port $SSH_PORT
HostKey $SSH_DIR/host_key
AuthorizedKeysFile $SSH_DIR/authorized_keys
PidFile $SSH_DIR/sshd.pid
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
Subsystem sftp /usr/lib/openssh/sftp-server
CONF
    [[ $(id -u) -eq 0 ]] && mkdir -p /run/sshd
    /usr/sbin/sshd -D -e -f "$SSH_DIR/sshd_config" >"$SSH_DIR/sshd.log" 2>&1 &
    SSHD_PID=$!
    on_exit "stop_process $SSHD_PID"
    on_exit share_end
    wait_until 10 eval "echo >/dev/tcp/127.0.0.1/$SSH_PORT" 2>/dev/null ||
        fail "sshd does not listen: $(tail -n 3 "$SSH_DIR/sshd.log")"
}

# The broadcaster's documents folder, mounted at $MOUNT.
share_mount() {
    sshfs -p "$SSH_PORT" -o IdentityFile="$SSH_DIR/user_key" -o StrictHostKeyChecking=no \
        -o UserKnownHostsFile=/dev/null -o BatchMode=yes \
        "$(id -un)@127.0.0.1:$SERVED" "$MOUNT" || fail "sshfs cannot mount the share"
    grep -q " $MOUNT fuse.sshfs " /proc/mounts || fail "no fuse.sshfs mount at $MOUNT"
}

# Every process below a process id, one id per line.
descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1"); do
        echo "$child"
        descendants "$child"
    done
}

sftp_servers() {
    local pid
    for pid in $(descendants "$SSHD_PID"); do
        [[ $(ps -o comm= -p "$pid") == sftp-server ]] && echo "$pid"
    done
}

# EVER_STOPPED: every sftp-server this script stopped, continued and ended at its exit even
# when its session is gone by then.
share_stop() {
    STOPPED=$(sftp_servers)
    [[ -n $STOPPED ]] || fail "no sftp-server below sshd $SSHD_PID"
    EVER_STOPPED+=" $STOPPED"
    kill -STOP $STOPPED
}
share_continue() { [[ -n ${STOPPED:-} ]] && kill -CONT $STOPPED; STOPPED=; }
share_end() {
    local pid
    for pid in ${EVER_STOPPED:-}; do
        [[ $(ps -o comm= -p "$pid") == sftp-server ]] && kill -CONT "$pid" && kill -TERM "$pid"
    done
}

# The band whose ticker is up: its one wide window taller than the connection band.
ticker_window() {
    local window HEIGHT
    for window in $(wide_windows); do
        HEIGHT=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | sed -n 's/^HEIGHT=//p')
        ((${HEIGHT:-0} > 20)) && echo "$window"
    done
}
connecting_shown() { [[ -n $(wide_windows) && -z $(ticker_window) ]]; }

# Pictures of the date and clock panels, four a second; the time of each change is logged.
watch_clock() {
    local last= sum
    while kill -0 "$BAND_PID" 2>/dev/null; do
        sum=$(import -window root -crop "130x$((BAND_HEIGHT - 6))+3+$((BAND_Y + 3))" png:- \
            2>/dev/null | md5sum)
        [[ $sum != "$last" ]] && date +%s.%N
        last=$sum
        sleep 0.25
    done >"$HOME/clock.log"
}

# The longest time without a clock change between two moments (seconds since the epoch).
standstill() {
    awk -v from="$1" -v to="$2" '
        { if ($1 >= from && $1 <= to) { if (prev) gap = $1 - prev; if (gap > max) max = gap; prev = $1 } }
        END { if (to - prev > max) max = to - prev; printf "%.1f\n", max }' "$HOME/clock.log"
}

x_session_start "$2"
band_prepare
SERVED=$HOME/broadcaster/Documents/Quillaband\ 3
MOUNT=$HOME/mnt
mkdir -p "$SERVED" "$MOUNT"
"$BIN_DIR/quillaband-notes" init "$SERVED/qb.kvl" >/dev/null || fail "init of the broadcaster"
band_note "Broadcast news" "$SERVED/qb.kvl"
band_setting Speed 150 "$SERVED/qb.kvl"
band_setting broadcastStatus -1
band_setting broadcastPfad "'$MOUNT/qb.kvl'"
band_setting Speed 150
band_note "Local note:$(printf ' word%d' $(seq 1 38))"
sshd_start
share_mount
on_exit "fusermount -u -z '$MOUNT'"
on_exit 'share_continue'

if [[ $CASE == hungstart ]]; then
    # Something has read the share once, so the stop hangs the next call, not the mount.
    [[ -f $MOUNT/qb.kvl ]] || fail "the broadcaster's file is not on the share"
    share_stop
    rm -f "$BIN_DIR/nefe"
    # As below: the retry after the first minute boundary finds the share answering again.
    while ((10#$(date +%S) < 28 || 10#$(date +%S) > 34)); do sleep 0.5; done
    (cd "$BIN_DIR" && QUILLABAND_UPDATE_URL= exec ./quillaband) >"$HOME/band.log" 2>&1 &
    BAND_PID=$!
    on_exit "stop_process $BAND_PID"
    wait_until 20 connecting_shown || fail "no connection band"
    connecting_at=$(date +%s.%N)
    wait_until 20 eval '[[ -n $(ticker_window) ]]' || fail "no band after the connection band"
    up=$(awk -v a="$connecting_at" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
    echo "band up ${up} s after the connection band appeared"
    awk -v up="$up" -v limit=$((DEADLINE_SECONDS + 1)) 'BEGIN { exit !(up <= limit) }' ||
        fail "the band came ${up} s after the connection band, more than the deadline + 1 s"
    BAND_WINDOW=$(ticker_window)
    band_geometry || fail "no geometry of the band window"
else
    band_start
fi
sample_windows
watch_clock &
on_exit "stop_process $!"

if [[ $CASE != hungstart ]]; then
    wait_until 10 broadcast_note_shown || fail "the broadcaster's note never appeared"
    # The retry comes at the minute boundary after the deadline; stopping between seconds
    # 30 and 36 puts that boundary after the resume and at most 10 s from it.
    while ((10#$(date +%S) < 30 || 10#$(date +%S) > 36)); do sleep 0.5; done
    hang_from=$(date +%s.%N)
    if [[ $CASE == stop ]]; then
        share_stop
    else
        fusermount -u -z "$MOUNT" || fail "fusermount -u"
    fi
else
    hang_from=$connecting_at
fi

wait_until 10 bubble_seen || fail "no notice while the share does not answer"
band_moves || fail "the local note stopped on the band while the share does not answer"
shot "$SHOTS/hung.png"
# Until HANG_SECONDS after the start of the hang.
sleep "$(awk -v f="$hang_from" -v n="$(date +%s.%N)" -v h=$HANG_SECONDS \
    'BEGIN { s = f + h - n; print (s > 0 ? s : 0) }')"
resumed_at=$(date +%s.%N)
if [[ $CASE == unmount ]]; then
    share_mount
else
    share_continue
fi
wait_until 40 broadcast_note_shown || fail "the broadcaster's note did not come back"
back=$(awk -v a="$resumed_at" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
echo "broadcaster's note back ${back} s after the share answered again"
still=$(standstill "$hang_from" "$(date +%s.%N)")
echo "longest clock standstill: ${still} s"
awk -v s="$still" -v m=$MAX_STANDSTILL 'BEGIN { exit !(s <= m) }' ||
    fail "the clock stood still for ${still} s"
awk -v b="$back" -v h=$HANG_SECONDS 'BEGIN { exit !(b <= h) }' ||
    fail "the broadcaster's note came back ${back} s after the resume, later than ${HANG_SECONDS} s"
bubbles=$(other_windows_seen | wc -l)
((bubbles == 1)) || fail "$bubbles notice windows in the run"

if [[ $CASE == stop ]]; then
    # End from the menu (its last entry) while a call hangs: the program ends at once and
    # leaves no marker.
    share_stop
    sleep 6 # a rebuild's read is on the share now
    xdotool mousemove $((BAND_X + 600)) $((BAND_Y + BAND_HEIGHT / 2)) click 3
    sleep 0.5
    xdotool key Up key Return
    ended_from=$SECONDS
    # Ended: gone, or a zombie that this script has not waited for yet.
    wait_until 3 eval "[[ \$(ps -o stat= -p $BAND_PID) != [^Z]* ]]" ||
        fail "the program did not end within 3 s of End while the share hangs"
    echo "ended $((SECONDS - ended_from)) s after End"
    [[ ! -e $BIN_DIR/nefe ]] || fail "the marker nefe is left after End"
    share_continue
fi
band_stop
echo "PASS: share $CASE"
