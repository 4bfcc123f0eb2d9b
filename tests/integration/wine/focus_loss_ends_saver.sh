#!/usr/bin/env bash
# Another program taking the foreground from "/s" ends the saver with 0 within 5 s, and
# no window of it stays behind (the windowing library would have minimised it instead);
# so does one that comes to the front while the saver still sets up, before its first
# frame, when the saver has handled no message since Windows gave it the focus.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24

timeout 120 wine "$ONDALITH" /s &
pid=$!
[ -n "$(wait_for_window '^Ondalith Screensaver$' 60)" ] || fail "no saver window"
sleep 2
timeout 120 wine "$TEST_BIN/take_foreground.exe" 60 & taker=$!
[ -n "$(wait_for_window '^Foreground taker$' 60)" ] || fail "the other program shows no window"
ends_cleanly "$pid" "losing the foreground"
echo "ok: losing the foreground ends the saver with 0 and leaves no window"
kill "$taker"; wait "$taker" 2>/dev/null

log=$(mktemp)
trap 'wine_stop; stop_xvfb; rm -f "$log"' EXIT
timeout 120 wine "$TEST_BIN/take_foreground.exe" 60 "Ondalith Screensaver" >"$log" 2>/dev/null &
for _ in $(seq 600); do grep -q waiting "$log" && break; sleep 0.1; done
grep -q waiting "$log" || fail "the other program did not start"
timeout 120 wine "$ONDALITH" /s &
pid=$!
for _ in $(seq 600); do grep -q took "$log" && break; sleep 0.1; done
grep -q took "$log" || fail "the other program never saw the saver in front"
# Still black beside the other program's window: no frame had been shown yet.
near "$(pixel 600 440)" "0 0 0" 0 || fail "the first frame came before the other program: nothing was tested"
ends_cleanly "$pid" "a program coming to the front during start-up" 60
echo "ok: a program coming to the front during start-up ends the saver with 0 and leaves no window"
