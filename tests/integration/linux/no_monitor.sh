#!/usr/bin/env bash
# A desk whose RandR outputs are all off (a laptop shut with no screen attached): a
# full-screen run has nowhere to put the picture and ends with 0 and one line on stderr.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 640x480+0+0 || exit 1
place_output 0 off || fail "the output could not be switched off"
[ -z "$(xrandr --listactivemonitors | sed 1d)" ] || fail "a monitor is still active: $(xrandr --listactivemonitors)"

err=$(mktemp)
trap 'rm -f "$err"; stop_xorg_dummy' EXIT
for switch in /s ""; do
    timeout 60 "$ONDALITH" $switch 2>"$err"
    status=$?
    [ "$status" -eq 0 ] || fail "'$switch' without a monitor ended with $status: $(head -c 300 "$err")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "'$switch' without a monitor wrote to stderr: $(head -c 300 "$err")"
    [ -z "$(xdotool search --name '^Ondalith Screensaver' 2>/dev/null)" ] || fail "a window of the saver remains"
    echo "ok: '$switch' without a monitor ends with 0 and says: $(cat "$err")"
done
