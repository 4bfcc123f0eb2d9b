#!/usr/bin/env bash
# "/p <hwnd>" from another process: the saver runs inside the host's window until the
# host disables it, then ends with 0 within a second, showing no message box.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
start_xvfb 1280x720x24 || exit 1
wine_env
trap 'wine_stop; stop_xvfb' EXIT
timeout 120 wine "$TEST_BIN/win_preview_host.exe" "$(winepath -w "$ONDALITH")" 4 || fail "preview host check"
