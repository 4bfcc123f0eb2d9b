#!/usr/bin/env bash
# A desk whose RandR outputs are all off (a laptop shut with no screen attached), which
# Wine, like the windowing library, reads as no monitor at all: "/s" has nowhere to put
# the picture and ends with 0, showing nothing (no box waits for the user).
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
wine_dummy_begin 640x480+0+0
place_output 0 off || fail "the output could not be switched off"
[ -z "$(xrandr --listactivemonitors | sed 1d)" ] || fail "a monitor is still active: $(xrandr --listactivemonitors)"

timeout 60 wine "$ONDALITH" /s
status=$?
[ "$status" -eq 0 ] || fail "'/s' without a monitor ended with $status"
echo "ok: '/s' without a monitor ends with 0"
