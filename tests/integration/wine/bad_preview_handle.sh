#!/usr/bin/env bash
# "/p" with a number that is no window: the "Failed to open window" box (caption
# "Debug"), and exit code 0 once it is dismissed.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin

log=$(mktemp)
# The message box's own trace gives its text.
WINEDEBUG=-all,trace+msgbox timeout 120 wine "$ONDALITH" /p 12345 2>"$log" &
pid=$!
box=$(wait_for_window '^Debug$' 60) || true
[ -n "$box" ] || fail "no Debug box"
[ -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)" ] || fail "an Error box came too"
xdotool windowfocus "$box"; sleep 0.3; xdotool key Return
wait "$pid"; status=$?
texts=$(grep -o 'MSGBOX_OnInit .*' "$log"); rm -f "$log"
[ "$status" -eq 0 ] || fail "exit $status after the box"
[ "$texts" = 'MSGBOX_OnInit L"Failed to open window"' ] || fail "the box said: $texts"
echo "ok: 'Failed to open window' box, then exit 0"
