#!/usr/bin/env bash
# The windowing library switches the X server's own screen saver off for a full-screen
# window. Ended by a key, by SIGTERM or by the loss of the focus, "/s" leaves the
# server's timeout, cycle and blanking preference as they were before it started; a
# value that somebody else set during the run stays as they set it.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

blanking() { xset q | grep -A2 '^Screen Saver:' | tr -s ' '; }
xset s 600 600
before=$(blanking)

start() {
    timeout 60 "$ONDALITH" /s >/dev/null &
    pid=$!
    win=$(wait_for_window '^Ondalith Screensaver$') || true
    [ -n "$win" ] || fail "no saver window"
}

ended_by() {  # WHAT
    ends_cleanly "$pid" "$1"
    [ "$(blanking)" = "$before" ] || fail "after $1 the server's screen saver reads: $(blanking | tr '\n' ' ')"
    echo "ok: $1 leaves the server's screen saver as it was"
}

start; during=$(blanking)
echo "during the run: $(tr '\n' ' ' <<<"$during")"
grep -q 'timeout: 0 ' <<<"$during" || fail "the run did not switch the server's screen saver off"
xdotool key --window "$win" a; ended_by "a key"

start; xset s 300 120
xdotool key --window "$win" a; ends_cleanly "$pid" "a key after xset s 300 120"
after=$(blanking)
grep -q 'timeout: 300 cycle: 120' <<<"$after" || fail "the run put back its own timeout over the user's: $(tr '\n' ' ' <<<"$after")"
grep -q 'prefer blanking: yes' <<<"$after" || fail "the blanking preference the run set was not put back: $(tr '\n' ' ' <<<"$after")"
echo "ok: a timeout set during the run stays; the rest goes back"
xset s 600 600

start; kill -TERM "$pid"; ended_by "SIGTERM"

start; take_focus_from "$win"
ended_by "losing the focus"
