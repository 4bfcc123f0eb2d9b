#!/usr/bin/env bash
# "/s" under Wine: a full-screen GL window that shows the saver's drawing; a key ends it with 0.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin

timeout 120 wine "$ONDALITH" /s &
pid=$!
win=$(wait_for_window '^Ondalith Screensaver$' 60) || true
[ -n "$win" ] || fail "no saver window"
for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" = 1280 ] && [ "$HEIGHT" = 720 ] && break
    sleep 0.2
done
[ "$WIDTH" = 1280 ] && [ "$HEIGHT" = 720 ] || fail "window is ${WIDTH}x${HEIGHT}, not full screen"
. "$TEST_TOOLS/picture-check.sh"
wait_for_saver_picture "$BUILD_DIR/wine-fullscreen.png" || fail "the screen does not show the saver's picture"
xdotool windowfocus "$win" key space
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "a key ended the saver with $status"
echo "ok: full screen, drawn, a key ends it with 0"
