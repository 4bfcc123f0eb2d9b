#!/usr/bin/env bash
# The real daemon blanks and unblanks the screen 25 times in a row, with our installed
# hack as its only program, unblanking at different moments of the hack's start-up and
# drawing: every hack process it starts ends and is reaped (no zombie), and at the end
# nothing of ours runs.
set -u
# The daemon's graphics process exits on unblanking without waiting for its hack, which
# then goes to the nearest subreaper: in a desktop session one that reaps at once. This
# script takes that role (bash reaps every child it has), so that a zombie is a fault.
if [ -z "${SUBREAPER:-}" ]; then
    exec env SUBREAPER=1 python3 -c 'import ctypes, os, sys
ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER, kept across exec
os.execvp("bash", ["bash"] + sys.argv[1:])' "$0" "$@"
fi
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xscreensaver.sh"
start_xvfb 640x480x24 || exit 1
daemon_work
hack=$(install_hack "$work") || exit 1
start_daemon "$hack" "$work" 280

started=0
for i in $(seq 0 24); do
    as_nobody timeout 20 xscreensaver-command -activate >/dev/null 2>&1 || fail "activate $i"
    pids=
    for _ in $(seq 100); do pids=$(hack_pids) && break; sleep 0.1; done
    [ -n "$pids" ] || { cat "$work/daemon.log"; fail "cycle $i: the hack did not start"; }
    sleep "0.$(( i % 5 * 2 ))"
    as_nobody timeout 20 xscreensaver-command -deactivate >/dev/null 2>&1 || fail "deactivate $i"
    for pid in $pids; do
        for _ in $(seq 150); do [ -e "/proc/$pid" ] || break; sleep 0.1; done
        [ -e "/proc/$pid" ] && fail "cycle $i: hack $pid still there, $(grep '^State:' "/proc/$pid/status")"
        started=$((started + 1))
    done
done
left=$(hack_pids)
[ -z "$left" ] || fail "hack processes left: $left"
echo "ok: 25 blank/unblank cycles; all $started hack processes ended and were reaped, none left"
exit 0
