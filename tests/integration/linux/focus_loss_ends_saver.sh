#!/usr/bin/env bash
# Another X client taking the input focus from "/s" ends the saver with 0 soon after,
# and no window of it stays behind.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

timeout 60 "$ONDALITH" /s >/dev/null &
pid=$!
win=$(wait_for_window '^Ondalith Screensaver$') || true
[ -n "$win" ] || fail "no saver window"
take_focus_from "$win"
ends_cleanly "$pid" "losing the focus"
echo "ok: losing the focus ends the saver with 0 and leaves no window"
