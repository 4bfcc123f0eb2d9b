#!/usr/bin/env bash
# The picture's monitor goes away while the saver runs: the picture moves, full screen,
# to the new primary; with no monitor left the saver ends with 0 (see
# tools/monitor-covers.sh).
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 640x480+0+0 800x600+640+0 || exit 1
. "$TEST_TOOLS/monitor-covers.sh"

check_picture_monitor_lost
