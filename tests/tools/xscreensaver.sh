# The real XScreenSaver daemon for tests: source after xvfb.sh, once start_xvfb has run.
# The daemon refuses to run hacks as root, so it runs as nobody, with one hack as its only
# program; the hack and the work folder must be readable by nobody.
#   daemon_work                  a work folder nobody can read, in $work, removed (with the
#                                daemon and the X server) when the script exits
#   install_hack WORK            installs this build under WORK/prefix; prints the hack's path
#   start_daemon HACK WORK [S]   the daemon, for at most S seconds (120); sets $daemon
#   daemon_runs_hack             blank: the hack starts with XSCREENSAVER_WINDOW and the screen
#                                shows the picture; unblank: the hack is gone
#   hack_pids                    the running hack's pids (false when none)
# A script that sets its own exit trap calls daemon_cleanup from it.

as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$DAEMON_WORK/home" DISPLAY="$DISPLAY" "$@"; }

hack_pids() { pgrep -f "^$DAEMON_HACK"; }

install_hack() {
    cmake --install "$BUILD_DIR" --prefix "$1/prefix" >/dev/null || fail "install"
    [ -f "$1/prefix/share/xscreensaver/config/ondalith.xml" ] || fail "settings file missing"
    [ -x "$1/prefix/libexec/xscreensaver/ondalith" ] || fail "installed hack missing"
    echo "$1/prefix/libexec/xscreensaver/ondalith"
}

start_daemon() {
    command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
    DAEMON_HACK=$1 DAEMON_WORK=$2
    mkdir -p "$DAEMON_WORK/home"
    cat >"$DAEMON_WORK/home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 0:30:00
lock: False
splash: False
fade: False
unfade: False
programs: GL: $DAEMON_HACK --root \\n\\

CONFIG
    chown -R 65534:65534 "$DAEMON_WORK/home"
    as_nobody timeout "${3:-120}" xscreensaver -no-splash >"$DAEMON_WORK/daemon.log" 2>&1 &
    daemon=$!
    for _ in $(seq 50); do as_nobody xscreensaver-command -version >/dev/null 2>&1 && break; sleep 0.2; done
}

daemon_work() {
    work=$(mktemp -d /tmp/ondalith-xss.XXXXXX)
    chmod 755 "$work"
    trap daemon_cleanup EXIT
}

daemon_cleanup() {
    stop_daemon
    stop_xvfb
    rm -rf "$work"
}

stop_daemon() {
    [ -n "${daemon:-}" ] && kill "$daemon" 2>/dev/null && wait "$daemon" 2>/dev/null
    [ -n "${DAEMON_HACK:-}" ] && pkill -f "^$DAEMON_HACK" 2>/dev/null
    daemon=
}

daemon_runs_hack() {
    local pid=
    as_nobody timeout 20 xscreensaver-command -activate >/dev/null 2>&1 || fail "activate"
    for _ in $(seq 100); do pid=$(hack_pids | head -n 1); [ -n "$pid" ] && break; sleep 0.1; done
    [ -n "$pid" ] || { cat "$DAEMON_WORK/daemon.log"; fail "the hack did not start"; }
    tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^XSCREENSAVER_WINDOW=' || fail "no XSCREENSAVER_WINDOW for the hack"
    echo "ok: the daemon started the hack with XSCREENSAVER_WINDOW"
    . "$TEST_TOOLS/picture-check.sh"
    wait_for_saver_picture "$DAEMON_WORK/xscreensaver.png" || fail "the screen does not show the saver's picture"
    echo "ok: the blanked screen shows the saver's picture"

    as_nobody timeout 20 xscreensaver-command -deactivate >/dev/null 2>&1 || fail "deactivate"
    for _ in $(seq 50); do hack_pids >/dev/null || break; sleep 0.1; done
    hack_pids >/dev/null && fail "the hack still runs after unblanking"
    echo "ok: after unblanking nothing of ours runs"
}
