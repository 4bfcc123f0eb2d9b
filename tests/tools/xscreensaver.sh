# The real XScreenSaver daemon for tests: source after xvfb.sh; call xscreensaver_begin
# once start_xvfb has run. The daemon refuses to run hacks as root, so it runs as
# nobody, with our build installed in a tree nobody can read and its hack as the only
# program. Sets $work, $hack and $daemon; cleans up all of it when the script exits.

as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/home" DISPLAY="$DISPLAY" "$@"; }

# The pids of the installed hack's processes (the path is this test's own).
hack_pids() { pgrep -f "^$hack"; }

# xscreensaver_begin [SECONDS]: the daemon's time limit, 120 s unless given.
xscreensaver_begin() {
    command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
    work=$(mktemp -d /tmp/ondalith-xss.XXXXXX)
    chmod 755 "$work"
    cmake --install "$BUILD_DIR" --prefix "$work/prefix" >/dev/null || fail "install"
    hack="$work/prefix/libexec/xscreensaver/ondalith"
    [ -x "$hack" ] || fail "installed hack missing"
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
    as_nobody timeout "${1:-120}" xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
    daemon=$!
    trap 'kill $daemon 2>/dev/null; pkill -f "$hack" 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
    for _ in $(seq 50); do as_nobody xscreensaver-command -version >/dev/null 2>&1 && break; sleep 0.2; done
}
