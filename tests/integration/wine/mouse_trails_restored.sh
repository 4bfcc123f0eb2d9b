#!/usr/bin/env bash
# The windowing library switches the mouse trails off for a full-screen window. Ended by
# a key (from inside the window's callback) or by the loss of the foreground (through the
# end of its loop), "/s" leaves them as they were before it started. (That trails set by
# somebody else during the run stay is checked in-process, in desk/win32: Wine keeps a
# copy of the session's settings in each process, so the saver would not see them.)
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24

coproc holder { timeout 250 wine "$TEST_BIN/mouse_trails.exe" hold; }
trails() { timeout 60 wine "$TEST_BIN/mouse_trails.exe" "$@" | tr -d '\r'; }
[ "$(trails set 5)" = 5 ] || fail "the mouse trails could not be set"

start() {
    timeout 120 wine "$ONDALITH" /s &
    pid=$!
    win=$(wait_for_window '^Ondalith Screensaver$' 60) || true
    [ -n "$win" ] || fail "no saver window"
    # The first frame, after which the saver counts the focus as had.
    for _ in $(seq 60); do near "$(pixel 320 240)" "0 0 0" || break; sleep 0.5; done
    sleep 1
}

ended_by() {  # WHAT
    ends_cleanly "$pid" "$1"
    local now
    now=$(trails)
    [ "$now" = 5 ] || fail "after $1 the mouse trails are $now, not 5"
    echo "ok: $1 leaves the mouse trails as they were"
}

start; during=$(trails)
echo "during the run: trails $during"
[ "$during" = 0 ] || fail "the run did not switch the mouse trails off (they are $during)"
xdotool windowfocus "$win" key space; ended_by "a key"

start
timeout 120 wine "$TEST_BIN/take_foreground.exe" 60 &
[ -n "$(wait_for_window '^Foreground taker$' 60)" ] || fail "the other program shows no window"
ended_by "losing the foreground"
