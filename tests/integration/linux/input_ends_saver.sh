#!/usr/bin/env bash
# Any key (a modifier alone too), any mouse button, Escape and a close request end
# the saver with exit code 0; moving the mouse and turning the wheel do not.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

start() {
    timeout 60 "$ONDALITH" /s 2>"$TEST_LOG" &
    PID=$!
    WIN=$(wait_for_window '^Ondalith Screensaver$') || fail "no saver window"
    [ -n "$WIN" ] || fail "no saver window"
    sleep 0.5
}

ends_with_zero() {  # what
    local status
    for _ in $(seq 50); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null && { kill "$PID"; fail "$1 did not end the saver"; }
    wait "$PID"; status=$?
    [ "$status" -eq 0 ] || fail "$1 ended the saver with $status"
    echo "ok: $1 ends it with 0"
}

TEST_LOG=$(mktemp)

start; xdotool mousemove --window "$WIN" 10 10 mousemove --window "$WIN" 300 200 click 4 click 5
sleep 1.5
kill -0 "$PID" 2>/dev/null || fail "mouse motion or wheel ended the saver"
echo "ok: motion and wheel leave it running"
xdotool key --window "$WIN" a; ends_with_zero "a key"

for input in "key Shift_L" "key Control_L" "key Escape" "click 1" "click 3" "click 2"; do
    start; xdotool $input; ends_with_zero "$input"
done

start; "$TEST_BIN/x11_close_request" "$WIN"
ends_with_zero "a close request"
[ -s "$TEST_LOG" ] && { cat "$TEST_LOG"; }
echo "all input checks passed"
