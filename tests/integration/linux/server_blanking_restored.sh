#!/usr/bin/env bash
# The windowing library switches the X server's own screen saver off for a full-screen
# window. Ended by a key, by SIGTERM or by the loss of the focus, "/s" leaves the
# server's timeout, cycle and blanking preference as they were before it started.
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

start; echo "during the run: $(blanking | grep timeout)"
xdotool key --window "$win" a; ended_by "a key"

start; kill -TERM "$pid"; ended_by "SIGTERM"

start; take_focus_from "$win"
ended_by "losing the focus"
