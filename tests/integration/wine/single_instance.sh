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
first_window=$(wait_for_window '^Ondalith Screensaver$' 60)
[ -n "$first_window" ] || fail "first saver shows no window"
timeout 60 wine "$ONDALITH"; status=$?
[ "$status" -eq 0 ] || fail "second run exit $status"
[ "$(count)" -eq 1 ] || fail "second run left a window"
echo "ok: a second switch-less run ends at once with 0"
# "/s" takes the foreground, which ends the first saver: look for a window of its own.
new_window() { xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | grep -vqx "$first_window"; }
timeout 120 wine "$ONDALITH" /s &
for _ in $(seq 300); do new_window && break; sleep 0.2; done
new_window || fail "/s did not run beside the first"
echo "ok: /s runs beside it"
