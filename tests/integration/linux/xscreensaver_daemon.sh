#!/usr/bin/env bash
# Against the real daemon: the installed hack is started with XSCREENSAVER_WINDOW when
# the screen blanks, draws the saver's picture there, and is gone after unblanking.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xscreensaver.sh"
start_xvfb 1280x720x24 || exit 1
daemon_work
hack=$(install_hack "$work") || exit 1
start_daemon "$hack" "$work"
daemon_runs_hack
