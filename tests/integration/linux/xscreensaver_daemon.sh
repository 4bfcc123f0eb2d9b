#!/usr/bin/env bash
# Against the real daemon: the installed hack is started with XSCREENSAVER_WINDOW when
# the screen blanks, draws the saver's picture there, and is gone after unblanking.
set -u
. "$TEST_TOOLS/xvfb.sh"
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
start_xvfb 1280x720x24 || exit 1

# The daemon refuses to run hacks as root, so it runs as nobody, from a tree nobody can read.
work=$(mktemp -d /tmp/ondalith-xss.XXXXXX)
chmod 755 "$work"
cmake --install "$BUILD_DIR" --prefix "$work/prefix" >/dev/null || fail "install"
hack="$work/prefix/libexec/xscreensaver/ondalith"
[ -x "$hack" ] || fail "installed hack missing"
[ -f "$work/prefix/share/xscreensaver/config/ondalith.xml" ] || fail "settings file missing"
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

as_nobody timeout 120 xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
daemon=$!
trap 'kill $daemon 2>/dev/null; pkill -f "$hack" 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
for _ in $(seq 50); do as_nobody xscreensaver-command -version >/dev/null 2>&1 && break; sleep 0.2; done

as_nobody timeout 20 xscreensaver-command -activate >/dev/null 2>&1 || fail "activate"
pid=
for _ in $(seq 100); do pid=$(pgrep -f "^$hack" | head -n 1); [ -n "$pid" ] && break; sleep 0.1; done
[ -n "$pid" ] || { cat "$work/daemon.log"; fail "the hack did not start"; }
tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^XSCREENSAVER_WINDOW=' || fail "no XSCREENSAVER_WINDOW for the hack"
echo "ok: the daemon started the hack with XSCREENSAVER_WINDOW"
. "$TEST_TOOLS/picture-check.sh"
wait_for_saver_picture "$BUILD_DIR/xscreensaver.png" || fail "the screen does not show the saver's picture"
echo "ok: the blanked screen shows the saver's picture"

as_nobody timeout 20 xscreensaver-command -deactivate >/dev/null 2>&1 || fail "deactivate"
for _ in $(seq 50); do pgrep -f "^$hack" >/dev/null || break; sleep 0.1; done
pgrep -f "^$hack" >/dev/null && fail "the hack still runs after unblanking"
echo "ok: after unblanking nothing of ours runs"
kill "$daemon"; wait "$daemon" 2>/dev/null
exit 0
