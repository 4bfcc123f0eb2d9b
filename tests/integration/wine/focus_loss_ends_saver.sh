#!/usr/bin/env bash
# Another program taking the foreground from "/s" ends the saver with 0 within 5 s, and
# no window of it stays behind (the windowing library would have minimised it instead).
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24

timeout 120 wine "$ONDALITH" /s &
pid=$!
[ -n "$(wait_for_window '^Ondalith Screensaver$' 60)" ] || fail "no saver window"
sleep 2
timeout 120 wine "$TEST_BIN/take_foreground.exe" 60 &
[ -n "$(wait_for_window '^Foreground taker$' 60)" ] || fail "the other program shows no window"
ends_cleanly "$pid" "losing the foreground"
echo "ok: losing the foreground ends the saver with 0 and leaves no window"
