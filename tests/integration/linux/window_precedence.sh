#!/usr/bin/env bash
# The window that the daemon forms name is the one drawn into: --window-id wins over
# --root and XSCREENSAVER_WINDOW in either order, and an unknown dash switch beside
# them changes nothing but a line on stderr, and so does a --delay without its number in
# front of --root; --root alone runs full screen. None of these runs takes the
# single-instance marker.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 800x600x24 || exit 1
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
# A marker directory of this test's own, to see whether a run leaves a marker there.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

host() {  # NAME X Y: a 320x240 host window at X,Y; its id in $NAME
    coproc "host$1" { timeout 120 "$TEST_BIN/x11_host_window" 320x240; }
    local -n fd="host$1"
    read -r "$1" <&"${fd[0]}"
    xdotool windowmove "${!1}" "$2" "$3"
}
host A 0 0
host C 400 0
host B 0 300  # the variable's window, which no run may take

children() { xwininfo -children -id "$1" | awk '/child(ren)?:/ {getline; print $1 " " $(NF-1); exit}'; }
drawn() {  # X Y: the saver's picture, neither the host's magenta nor a blank black
    local p
    for _ in $(seq 100); do
        p=$(pixel "$1" "$2")
        ! near "$p" "255 0 255" && ! near "$p" "0 0 0" && return 0
        sleep 0.1
    done
    return 1
}

timeout 60 "$ONDALITH" --root --window-id "$A" >/dev/null 2>"$work/a.err" & a=$!
XSCREENSAVER_WINDOW=$B timeout 60 "$ONDALITH" --window-id "$C" -install --root >/dev/null 2>"$work/c.err" & c=$!
drawn 160 120 || fail "nothing drawn in the window of --root --window-id: $(cat "$work/a.err")"
drawn 560 120 || fail "nothing drawn in the window of --window-id -install --root: $(cat "$work/c.err")"
read -r _ size <<<"$(children "$A")"
[ "$size" = "320x240+0+0" ] || fail "the saver's window in host A is '$size'"
[ -z "$(children "$B")" ] || fail "a saver drew into XSCREENSAVER_WINDOW although --window-id named another"
[ -z "$(xdotool search --name '^Ondalith Screensaver$')" ] || fail "a hosted run opened a full-screen window"
[ ! -s "$work/a.err" ] || fail "--root --window-id said: $(cat "$work/a.err")"
[ "$(cat "$work/c.err")" = 'ondalith: ignoring the unknown switch "-install"' ] || fail "-install: $(cat "$work/c.err")"
echo "ok: --window-id wins over --root and XSCREENSAVER_WINDOW in either order"
kill "$a" "$c"; wait "$a" "$c"

XSCREENSAVER_WINDOW=$B timeout 60 "$ONDALITH" --delay --root >/dev/null 2>"$work/d.err" & d=$!
drawn 160 420 || fail "nothing drawn in XSCREENSAVER_WINDOW by --delay --root: $(cat "$work/d.err")"
read -r _ size <<<"$(children "$B")"
[ "$size" = "320x240+0+0" ] || fail "the saver's window in XSCREENSAVER_WINDOW is '$size' with --delay --root"
[ -z "$(xdotool search --name '^Ondalith Screensaver$')" ] || fail "--delay --root opened a full-screen window"
[ "$(cat "$work/d.err")" = 'ondalith: --delay has no value; using 0' ] || fail "--delay --root said: $(cat "$work/d.err")"
echo "ok: --delay takes no switch for its number: --delay --root draws into XSCREENSAVER_WINDOW"
kill "$d"; wait "$d"

timeout 60 "$ONDALITH" --root >/dev/null 2>&1 & r=$!
full=$(wait_for_window '^Ondalith Screensaver$')
[ -n "$full" ] || fail "--root without the variable shows no full-screen window"
size=$(xwininfo -id "$full" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = 800x600 ] || fail "--root alone made a $size window"
echo "ok: --root alone runs full screen"
kill "$r"; wait "$r"

[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "a daemon-form run took the marker: $(ls "$XDG_RUNTIME_DIR")"
# A preview run does take it there (and then fails on its made-up window), so the
# empty directory above means something.
timeout 20 "$ONDALITH" /p 12345 >/dev/null 2>&1
[ -n "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "the marker is not where this test looks for it"
echo "ok: no daemon-form run takes the marker"
