#!/usr/bin/env bash
# While a switch-less or preview saver runs, another switch-less or preview run ends
# at once with 0 and no window; once the first is killed, a new one runs; "/s" still runs.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

count_windows() { xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | wc -l; }

timeout 60 "$ONDALITH" 2>/dev/null &
first=$!
[ -n "$(wait_for_window '^Ondalith Screensaver$')" ] || fail "first saver shows no window"

for args in "" "/p 12345"; do
    start=$(date +%s%N)
    out=$(timeout 10 "$ONDALITH" $args 2>&1); status=$?
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    [ "$status" -eq 0 ] || fail "second run '$args' exit $status"
    [ -z "$out" ] || fail "second run '$args' said: $out"
    [ "$took" -lt 2000 ] || fail "second run '$args' took $took ms"
    [ "$(count_windows)" -eq 1 ] || fail "second run '$args' left a window"
    echo "ok: second run '$args' ends at once ($took ms) with 0"
done

kill -9 "$first"; wait "$first" 2>/dev/null
timeout 60 "$ONDALITH" 2>/dev/null &
again=$!
again_window=$(wait_for_window '^Ondalith Screensaver$')
[ -n "$again_window" ] || fail "no new saver after the first was killed"
echo "ok: after the first is killed, a new one runs"

# "/s" takes the focus, which ends the earlier saver: look for a window of its own.
new_window() { xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | grep -vqx "$again_window"; }
timeout 60 "$ONDALITH" /s 2>/dev/null &
full=$!
for _ in $(seq 100); do new_window && break; sleep 0.1; done
new_window || fail "/s did not run beside the switch-less saver"
echo "ok: /s runs beside it"
kill "$full"; wait "$full" 2>/dev/null
kill "$again"; wait "$again" 2>/dev/null
exit 0
