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
for _ in $(seq 50); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((win))" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus 2>/dev/null)" = "$((win))" ] || fail "the saver did not take the focus"
sleep 1
coproc other { timeout 60 "$TEST_BIN/x11_host_window" 200x100; }
read -r other_window <&"${other[0]}"
xdotool windowfocus "$other_window"
ends_cleanly "$pid" "losing the focus"
echo "ok: losing the focus ends the saver with 0 and leaves no window"
