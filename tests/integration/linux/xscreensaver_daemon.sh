#!/usr/bin/env bash
# Against the real daemon: the installed hack is started with XSCREENSAVER_WINDOW when
# the screen blanks, draws the saver's picture there, and is gone after unblanking.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xscreensaver-daemon.sh"
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
start_xvfb 1280x720x24 || exit 1

# The daemon runs as nobody, from a tree nobody can read.
work=$(mktemp -d /tmp/ondalith-xss.XXXXXX)
chmod 755 "$work"
trap 'stop_daemon; stop_xvfb; rm -rf "$work"' EXIT
cmake --install "$BUILD_DIR" --prefix "$work/prefix" >/dev/null || fail "install"
hack="$work/prefix/libexec/xscreensaver/ondalith"
[ -x "$hack" ] || fail "installed hack missing"
[ -f "$work/prefix/share/xscreensaver/config/ondalith.xml" ] || fail "settings file missing"
daemon_runs_hack "$hack" "$work"
