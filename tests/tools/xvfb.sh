# Shell helpers for tests that need an X server: source this file.
# start_xvfb [WxHxD] starts a server on a free display (-displayfd), exports DISPLAY and
# stops it when the script exits. Everything the tests run sits under `timeout`.

start_xvfb() {
    local screen=${1:-1280x720x24}
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    local number
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        echo "Xvfb did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    trap stop_xvfb EXIT
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# pixel X Y [window]: prints "R G B" (0-255) of one screen pixel, read from
# $PIXEL_DISPLAY where the screen is shown on another server.
pixel() {
    local window=${3:-root}
    DISPLAY=${PIXEL_DISPLAY:-$DISPLAY} import -window "$window" -crop "1x1+$1+$2" -depth 8 rgb:- 2>/dev/null |
        od -An -tu1 | tr -s ' ' | sed 's/^ //'
}

# near "R G B" "R G B" [tolerance]: true when every channel is within tolerance.
near() {
    local tolerance=${3:-12}
    read -r a1 a2 a3 <<<"$1"
    read -r b1 b2 b3 <<<"$2"
    for d in $((a1 - b1)) $((a2 - b2)) $((a3 - b3)); do
        [ "${d#-}" -le "$tolerance" ] || return 1
    done
}

# wait_for NAME-REGEX [seconds]: prints the id of the first visible window so named.
wait_for_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ends_cleanly PID WHAT [seconds]: the saver PID (a child of this shell) ends within the
# time with exit code 0, and no window of it remains on the screen. The saver ends after
# the frame it is drawing (about 0.2 s at 640 x 480 on an idle machine) or, if it has not
# drawn yet, after its scene set-up (about 1 s); the default, 20 s, leaves room for a
# busy machine and costs nothing where the saver ends at once.
ends_cleanly() {
    local pid=$1 what=$2 status
    for _ in $(seq $(( ${3:-20} * 10 ))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the saver still runs ${3:-20} s after $what"
    wait "$pid"; status=$?
    [ "$status" -eq 0 ] || fail "$what ended the saver with $status"
    [ -z "$(xdotool search --name '^Ondalith Screensaver' 2>/dev/null)" ] || fail "a window of the saver remains after $what"
}

# take_focus_from WINDOW: once WINDOW holds the input focus (for a second, so that the
# pointer's pseudo-focus handed over first cannot count as a loss), a window of another
# client ($TEST_BIN/x11_host_window) takes it.
take_focus_from() {
    local win=$1 other_window
    for _ in $(seq 50); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((win))" ] && break; sleep 0.1; done
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((win))" ] || fail "the saver did not take the focus"
    sleep 1
    coproc other { timeout 60 "$TEST_BIN/x11_host_window" 200x100; }
    read -r other_window <&"${other[0]}"
    xdotool windowfocus "$other_window"
}
