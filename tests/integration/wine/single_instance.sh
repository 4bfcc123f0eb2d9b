#!/usr/bin/env bash
# While a switch-less saver runs, a second switch-less run ends at once with 0 and no
# window (the named event); "/s" still runs beside it.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin
count() { xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | wc -l; }

timeout 120 wine "$ONDALITH" &
first=$!
[ -n "$(wait_for_window '^Ondalith Screensaver$' 60)" ] || fail "first saver shows no window"
timeout 60 wine "$ONDALITH"; status=$?
[ "$status" -eq 0 ] || fail "second run exit $status"
[ "$(count)" -eq 1 ] || fail "second run left a window"
echo "ok: a second switch-less run ends at once with 0"
timeout 120 wine "$ONDALITH" /s &
for _ in $(seq 300); do [ "$(count)" -ge 2 ] && break; sleep 0.2; done
[ "$(count)" -ge 2 ] || fail "/s did not run beside the first"
echo "ok: /s runs beside it"
