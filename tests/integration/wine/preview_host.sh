#!/usr/bin/env bash
# "/p <hwnd>" from another process: the saver runs inside the host's window until the
# host disables it, then ends by itself with 0, showing no message box.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin
timeout 120 wine "$TEST_BIN/win_preview_host.exe" "$(winepath -w "$ONDALITH")" 4 || fail "preview host check"
