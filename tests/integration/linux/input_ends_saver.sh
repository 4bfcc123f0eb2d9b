#!/usr/bin/env bash
# Any key (a modifier alone too), any mouse button, Escape and a close request end
# the saver with exit code 0; moving the mouse and turning the wheel do not.
#
# Each input comes once the saver shows its picture (before that it is still setting up
# and reads no input), and only while it still runs. A saver that ended by itself a few
# seconds after its start would still seem ended by each input, so the last run, with
# motion and the wheel only, must outlive every saver that an input ended.
#
# Xvfb has no DPMS extension: its display counts as on, so each run shows its picture.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

start() {
    timeout 60 "$ONDALITH" /s 2>"$TEST_LOG" &
    PID=$! STARTED=$EPOCHREALTIME
    WIN=$(wait_for_window '^Ondalith Screensaver$') || fail "no saver window"
    [ -n "$WIN" ] || fail "no saver window"
    for _ in $(seq 300); do
        [ "$(pixel 320 240)" != "0 0 0" ] && return 0
        kill -0 "$PID" 2>/dev/null || fail "the saver ended before its first frame"
        sleep 0.1
    done
    fail "no picture within 30 s"
}

lived() { awk -v a="$STARTED" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }'; }

# give INPUT...: the input, to a saver that still runs.
give() {
    kill -0 "$PID" 2>/dev/null || fail "the saver ended by itself before '$*'"
    xdotool "$@"
}

# ends_with_zero WHAT: the saver ends with 0 within 20 s. It ends after the frame it is
# drawing, about 0.2 s at 640 x 480 on an idle machine.
longest=0
ends_with_zero() {
    local status life
    for _ in $(seq 200); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null && { kill "$PID"; fail "$1 did not end the saver"; }
    life=$(lived)
    wait "$PID"; status=$?
    [ "$status" -eq 0 ] || fail "$1 ended the saver with $status"
    awk -v a="$life" -v b="$longest" 'BEGIN { exit !(a > b) }' && longest=$life
    echo "ok: $1 ends it with 0, $life s after its start"
}

TEST_LOG=$(mktemp)

for input in "key Shift_L" "key Control_L" "key Escape" "click 1" "click 3" "click 2"; do
    start; give $input; ends_with_zero "$input"
done

start
kill -0 "$PID" 2>/dev/null || fail "the saver ended by itself before a close request"
"$TEST_BIN/x11_close_request" "$WIN"
ends_with_zero "a close request"

start; give mousemove --window "$WIN" 10 10 mousemove --window "$WIN" 300 200 click 4 click 5
while awk -v a="$(lived)" -v b="$longest" 'BEGIN { exit !(a <= b + 1) }'; do
    kill -0 "$PID" 2>/dev/null || fail "mouse motion or wheel ended the saver (or it ended by itself)"
    sleep 0.2
done
kill -0 "$PID" 2>/dev/null || fail "mouse motion or wheel ended the saver (or it ended by itself)"
echo "ok: motion and wheel leave it running for $(lived) s, longer than any saver an input ended"
give key --window "$WIN" a; ends_with_zero "a key"
[ -s "$TEST_LOG" ] && { cat "$TEST_LOG"; }
echo "all input checks passed"
