# The real XScreenSaver daemon against an installed hack. Source this file (after
# xvfb.sh), start an X server, then
#   daemon_runs_hack HACK WORK
# runs the daemon with HACK as its only program, blanks the screen, checks that HACK is
# started with XSCREENSAVER_WINDOW and that the screen shows the saver's picture, then
# unblanks and checks that HACK is gone. The daemon refuses to run hacks as root, so it
# runs as nobody: HACK and WORK (where the daemon's home goes) must be readable by
# nobody. Call stop_daemon from the script's exit trap.

stop_daemon() {
    [ -n "${DAEMON_PID:-}" ] && kill "$DAEMON_PID" 2>/dev/null && wait "$DAEMON_PID" 2>/dev/null
    [ -n "${DAEMON_HACK:-}" ] && pkill -f "^$DAEMON_HACK" 2>/dev/null
    DAEMON_PID= DAEMON_HACK=
}

daemon_runs_hack() {
    local hack=$1 work=$2 pid
    mkdir -p "$work/home"
    cat >"$work/home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 0:30:00
lock: False
splash: False
fade: False
unfade: False
programs: GL: $hack --root \\n\\

CONFIG
    chown -R 65534:65534 "$work/home"
    as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/home" DISPLAY="$DISPLAY" "$@"; }

    DAEMON_HACK=$hack
    as_nobody timeout 120 xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
    DAEMON_PID=$!
    for _ in $(seq 50); do as_nobody xscreensaver-command -version >/dev/null 2>&1 && break; sleep 0.2; done

    as_nobody timeout 20 xscreensaver-command -activate >/dev/null 2>&1 || fail "activate"
    pid=
    for _ in $(seq 100); do pid=$(pgrep -f "^$hack" | head -n 1); [ -n "$pid" ] && break; sleep 0.1; done
    [ -n "$pid" ] || { cat "$work/daemon.log"; fail "the hack did not start"; }
    tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^XSCREENSAVER_WINDOW=' || fail "no XSCREENSAVER_WINDOW for the hack"
    echo "ok: the daemon started the hack with XSCREENSAVER_WINDOW"
    . "$TEST_TOOLS/picture-check.sh"
    wait_for_saver_picture "$work/xscreensaver.png" || fail "the screen does not show the saver's picture"
    echo "ok: the blanked screen shows the saver's picture"

    as_nobody timeout 20 xscreensaver-command -deactivate >/dev/null 2>&1 || fail "deactivate"
    for _ in $(seq 50); do pgrep -f "^$hack" >/dev/null || break; sleep 0.1; done
    pgrep -f "^$hack" >/dev/null && fail "the hack still runs after unblanking"
    echo "ok: after unblanking nothing of ours runs"
    stop_daemon
}
