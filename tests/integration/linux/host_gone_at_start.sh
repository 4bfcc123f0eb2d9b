#!/usr/bin/env bash
# A host window that goes away while the saver starts in it, at points all through the
# first second, or one that cannot hold a window at all (InputOnly): the saver ends
# with 0 and never shows a window of its own on the desktop.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1
timeout 240 "$TEST_BIN/x11_start_race" "$ONDALITH" 0 10 30 60 100 150 250 400 600 900 inputonly ||
    fail "a saver window escaped onto the desktop, or a saver did not end with 0"
