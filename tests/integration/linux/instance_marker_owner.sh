#!/usr/bin/env bash
# Only the same user can hold the single-instance marker. Another user (nobody) binds
# the name that once was the marker, takes the directory where ours would go under
# /tmp, and runs a switch-less saver of its own on the same display: our switch-less
# saver still starts. With a runtime directory of ours, a second run of ours ends at
# once, and the marker's descriptor is not handed on to programs it starts.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/saver-process.sh"
start_xvfb 320x240x24 || exit 1

# "We" are an unprivileged user of our own, so that no other test's marker is touched.
me=$((50000 + $$ % 10000))
work=$(mktemp -d /tmp/ondalith-marker.XXXXXX)
chmod 755 "$work"
install -m 755 "$ONDALITH" "$work/ondalith"
mkdir -p "$work/me" "$work/nobody" && chown "$me:$me" "$work/me" && chown 65534:65534 "$work/nobody"
as_me=(setpriv --reuid="$me" --regid="$me" --clear-groups env -u XDG_RUNTIME_DIR DISPLAY="$DISPLAY" HOME="$work/me")
as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups env -u XDG_RUNTIME_DIR DISPLAY="$DISPLAY" HOME="$work/nobody")
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait "${pids[@]}" 2>/dev/null
    rm -rf "$work" "/tmp/ondalith-$me"
    stop_xvfb
}
trap cleanup EXIT
count_windows() { xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | wc -l; }
# shows_window PID: the saver started as PID (setpriv and env exec the timeout, whose
# child it is) shows a window of its own within 15 s. Each switch-less saver takes the
# focus and so ends the one before, so a window is looked for by its process, not counted.
shows_window() {
    local saver
    saver=$(child_of "$1" 15) || return 1
    for _ in $(seq 150); do
        [ -n "$(xdotool search --all --onlyvisible --pid "$saver" --name '^Ondalith Screensaver$' 2>/dev/null)" ] &&
            return 0
        kill -0 "$saver" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Everything another user can hold in our place.
"${as_nobody[@]}" timeout 120 python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind("\0K_OPENGL_SCREENSAVER.%s.%s" % (sys.argv[1], sys.argv[2]))
time.sleep(120)' "$me" "$DISPLAY" &
pids+=($!)
"${as_nobody[@]}" mkdir -m 777 "/tmp/ondalith-$me"
"${as_nobody[@]}" timeout 120 flock "/tmp/ondalith-$me/ondalith.K_OPENGL_SCREENSAVER.$DISPLAY.lock" sleep 120 &
pids+=($!)
"${as_nobody[@]}" timeout 120 "$work/ondalith" >/dev/null 2>&1 &
theirs=$!
pids+=($theirs)
shows_window "$theirs" || fail "nobody's saver shows no window"

"${as_me[@]}" timeout 120 "$work/ondalith" >/dev/null 2>&1 &
ours=$!
pids+=($ours)
shows_window "$ours" || fail "another user kept our switch-less saver from starting (no window)"
echo "ok: our saver starts while another user holds everything it can"
kill "$theirs" "$ours" 2>/dev/null; wait "$theirs" "$ours" 2>/dev/null

runtime="$work/me/runtime"
"${as_me[@]}" mkdir -m 700 "$runtime"
"${as_me[@]}" XDG_RUNTIME_DIR="$runtime" timeout 120 "$work/ondalith" >/dev/null 2>&1 &
first=$!
pids+=($first)
shows_window "$first" || fail "no window for our saver with a runtime directory"
saver=$(child_of "$first")
out=$("${as_me[@]}" XDG_RUNTIME_DIR="$runtime" timeout 10 "$work/ondalith" 2>&1); status=$?
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "a second run of ours: exit $status, said: $out"
# A window of the second run would have taken the focus and so ended the first.
kill -0 "$saver" 2>/dev/null && [ "$(count_windows)" -eq 1 ] || fail "a second run of ours showed a window"
echo "ok: a second run of ours ends at once"

lock=$(ls "$runtime"/*.lock) || fail "no marker file in the runtime directory"
fd=$(for f in /proc/$saver/fd/*; do [ "$(readlink "$f")" = "$lock" ] && basename "$f"; done)
[ -n "$fd" ] || fail "the saver holds no descriptor of $lock"
flags=$(awk '/^flags:/ {print $2}' "/proc/$saver/fdinfo/$fd")
(( 0$flags & 02000000 )) || fail "the marker's descriptor lacks close-on-exec (flags $flags)"
echo "ok: the marker's descriptor is closed on exec"
