#!/usr/bin/env bash
# 25 previews in a row, as the Screen Saver Settings start and end them while the user
# moves through the list: each host window is disabled or destroyed at a different
# moment of the saver's start-up. Every saver ends with 0 and no message box, and no
# process of ours is left.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24
timeout 280 wine "$TEST_BIN/win_preview_host.exe" "$(winepath -w "$ONDALITH")" churn 25 || fail "preview churn"

# Processes of this Wine prefix that run the saver.
ours() {
    for p in $(pgrep -f 'Ondalith\.scr'); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
}
sleep 1
[ -z "$(ours)" ] || fail "saver processes left: $(ours)"
echo "ok: 25 previews disabled or destroyed at different moments: each saver ended with 0, no message box, none left"
