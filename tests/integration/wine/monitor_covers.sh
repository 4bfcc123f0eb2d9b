#!/usr/bin/env bash
# Two monitors side by side (Xorg's dummy driver, see tools/xorg-dummy.sh): "/s" draws on
# the primary and covers the other with a black window of its own, which follows the
# monitor when it is unplugged and plugged in again; motion over the cover leaves the
# saver running, a click on it ends the saver with 0 and takes every window with it.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
wine_dummy_begin 640x480+0+0 800x600+640+0
. "$TEST_TOOLS/monitor-covers.sh"

timeout 120 wine "$ONDALITH" /s &
pid=$!
check_covered_desk 640x480+0+0 800x600+640+0 60
check_cover_follows_monitor 800x600+640+0
check_click_on_cover_ends "$pid" 800x600+640+0
