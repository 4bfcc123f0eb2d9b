#!/usr/bin/env bash
# No cover ever lies over the picture, even where a monitor reaches beyond it: a larger
# clone of the primary, and the primary's own mode growing while the saver runs (see
# tools/monitor-covers.sh).
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
wine_dummy_begin 640x480+0+0 800x600+0+0
. "$TEST_TOOLS/monitor-covers.sh"

check_clone_and_grown_mode
