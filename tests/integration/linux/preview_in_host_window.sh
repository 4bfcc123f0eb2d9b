#!/usr/bin/env bash
# "/p <window>": the saver draws inside another program's window and ends, with exit
# code 0, once that window goes away (see the host for the limits).
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1
timeout 60 "$TEST_BIN/x11_preview_host" "$ONDALITH" || fail "preview host check"

# A number that is no window: the message, then a clean exit.
out=$(timeout 20 "$ONDALITH" /p 12345 2>&1); status=$?
[ "$status" -eq 0 ] || fail "bad /p handle exit $status"
[ "$out" = "Debug: Failed to open window" ] || fail "bad /p handle said: $out"
echo "ok: a bad /p handle says 'Failed to open window' and exits 0"
