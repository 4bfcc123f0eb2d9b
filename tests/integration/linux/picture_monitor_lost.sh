#!/usr/bin/env bash
# The picture's monitor goes away while the saver runs (the primary switched off, the
# other moved to 0,0 and made primary): the picture moves, full screen, to the remaining
# monitor, no cover stays over it and a key ends the saver with 0. With no monitor left
# at all, the saver ends by itself with 0.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 640x480+0+0 800x600+640+0 || exit 1
. "$TEST_TOOLS/monitor-covers.sh"

timeout 120 "$ONDALITH" /s >/dev/null &
pid=$!
check_covered_desk 640x480+0+0 800x600+640+0 30
xrandr --output DUMMY0 --off --output DUMMY1 --pos 0x0 --primary && probe_outputs ||
    fail "xrandr could not switch the primary off"
check_picture_on 800x600+0+0 20
echo "ok: the picture moves to the remaining monitor, uncovered"
kill -0 "$pid" 2>/dev/null || fail "the saver ended when its monitor went away"
xdotool key x
ends_cleanly "$pid" "a key on the moved picture" 10
echo "ok: a key ends it with 0"

timeout 120 "$ONDALITH" /s >/dev/null &
pid=$!
check_picture_on 800x600+0+0 30
place_output 1 off || fail "xrandr could not switch the last monitor off"
ends_cleanly "$pid" "the last monitor going away" 20
echo "ok: with no monitor left the saver ends with 0"
