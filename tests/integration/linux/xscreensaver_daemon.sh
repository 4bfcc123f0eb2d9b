#!/usr/bin/env bash
# Against the real daemon: the installed hack is started with XSCREENSAVER_WINDOW when
# the screen blanks, draws the saver's picture there, and is gone after unblanking.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xscreensaver.sh"
start_xvfb 1280x720x24 || exit 1
xscreensaver_begin
[ -f "$work/prefix/share/xscreensaver/config/ondalith.xml" ] || fail "settings file missing"

as_nobody timeout 20 xscreensaver-command -activate >/dev/null 2>&1 || fail "activate"
pid=
for _ in $(seq 100); do pid=$(hack_pids | head -n 1); [ -n "$pid" ] && break; sleep 0.1; done
[ -n "$pid" ] || { cat "$work/daemon.log"; fail "the hack did not start"; }
tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^XSCREENSAVER_WINDOW=' || fail "no XSCREENSAVER_WINDOW for the hack"
echo "ok: the daemon started the hack with XSCREENSAVER_WINDOW"
. "$TEST_TOOLS/picture-check.sh"
wait_for_saver_picture "$BUILD_DIR/xscreensaver.png" || fail "the screen does not show the saver's picture"
echo "ok: the blanked screen shows the saver's picture"

as_nobody timeout 20 xscreensaver-command -deactivate >/dev/null 2>&1 || fail "deactivate"
for _ in $(seq 50); do hack_pids >/dev/null || break; sleep 0.1; done
hack_pids >/dev/null && fail "the hack still runs after unblanking"
echo "ok: after unblanking nothing of ours runs"
kill "$daemon"; wait "$daemon" 2>/dev/null
exit 0
