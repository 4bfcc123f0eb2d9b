#!/usr/bin/env bash
# No cover ever lies over the picture, even where a monitor reaches beyond it: a larger
# clone of the primary (800x600 mirroring a 640x480 primary, as a projector does) is
# covered only around the picture, and a click on that cover ends the saver with 0. When
# the primary's own mode grows while the saver runs, the picture grows with it.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 640x480+0+0 800x600+0+0 || exit 1
. "$TEST_TOOLS/monitor-covers.sh"

timeout 120 "$ONDALITH" /s >/dev/null &
pid=$!
check_picture_on 640x480+0+0 30
wait_for_cover 800x120+0+480 10 || fail "no cover below the picture on the clone (covers: $(covers))"
wait_for_cover 160x480+640+0 10 || fail "no cover beside the picture on the clone (covers: $(covers))"
echo "ok: the picture on the primary, covers on the rest of its larger clone"
check_click_on_cover_ends "$pid" 800x120+0+480

place_output 1 off || fail "xrandr could not take the clone away"
timeout 120 "$ONDALITH" /s >/dev/null &
pid=$!
check_picture_on 640x480+0+0 30
place_output 0 800x600+0+0 || fail "xrandr could not change the primary's mode"
check_picture_on 800x600+0+0 20
echo "ok: the picture follows its monitor's mode from 640x480 to 800x600"
xdotool mousemove 720 540 click 1
ends_cleanly "$pid" "a click where the monitor grew" 10
echo "ok: a click there ends the saver with 0"
