#!/usr/bin/env bash
# Every kind of window the program makes carries one WM_CLASS, instance "ondalith" and
# class "Ondalith", the class the desktop entry's StartupWMClass names: the full-screen
# picture and the cover over a second monitor, a window inside a host, and the About
# window.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 640x480+0+0 800x600+640+0 || exit 1
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'stop_xorg_dummy; rm -rf "$work"' EXIT
expected='WM_CLASS(STRING) = "ondalith", "Ondalith"'
wrong=

# check KIND WINDOW: notes a window whose class differs
check() {
    local class
    class=$(xprop -id "$2" WM_CLASS 2>&1)
    echo "$1: $class"
    [ "$class" = "$expected" ] || wrong="$wrong $1"
}

timeout 120 "$ONDALITH" /s >/dev/null & saver=$!
picture=$(wait_for_window '^Ondalith Screensaver$' 60); [ -n "$picture" ] || fail "no full-screen window"
cover=$(wait_for_window '^Ondalith Screensaver cover$' 30); [ -n "$cover" ] || fail "no cover"
check "full screen" "$picture"
check cover "$cover"
kill "$saver"; wait "$saver"

coproc HOST { timeout 120 "$TEST_BIN/x11_host_window" 320x240; }
read -r host <&"${HOST[0]}"
timeout 120 "$ONDALITH" --window-id "$host" >/dev/null 2>&1 & saver=$!
inside=
for _ in $(seq 100); do
    inside=$(xwininfo -children -id "$host" | awk '/child:/ {getline; print $1; exit}')
    [ -n "$inside" ] && break
    sleep 0.2
done
[ -n "$inside" ] || fail "no window inside the host"
check hosted "$inside"
kill "$saver"; wait "$saver"
kill "$HOST_PID"; wait "$HOST_PID" 2>/dev/null

timeout 60 "$ONDALITH" /c & about=$!
window=$(wait_for_window '^About$' 30); [ -n "$window" ] || fail "no About window"
check About "$window"
kill "$about"; wait "$about"

[ -z "$wrong" ] || fail "WM_CLASS is not '$expected' on:$wrong"
echo PASS
