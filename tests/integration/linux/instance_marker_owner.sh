#!/usr/bin/env bash
# Only the same user can hold the single-instance marker. Another user (nobody) binds
# the name that once was the marker, takes the directory where ours would go under
# /tmp, and runs a switch-less saver of its own on the same display: our switch-less
# saver still starts. With a runtime directory of ours, a second run of ours ends at
# once, and the marker's descriptor is not handed on to programs it starts.
set -u
. "$TEST_TOOLS/xvfb.sh"
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
wait_windows() {
    for _ in $(seq 150); do [ "$(count_windows)" -ge "$1" ] && return 0; sleep 0.1; done
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
pids+=($!)
wait_windows 1 || fail "nobody's saver shows no window"

"${as_me[@]}" timeout 120 "$work/ondalith" >/dev/null 2>&1 &
pids+=($!)
wait_windows 2 || fail "another user kept our switch-less saver from starting (no window)"
echo "ok: our saver starts while another user holds everything it can"

runtime="$work/me/runtime"
"${as_me[@]}" mkdir -m 700 "$runtime"
"${as_me[@]}" XDG_RUNTIME_DIR="$runtime" timeout 120 "$work/ondalith" >/dev/null 2>&1 &
first=$!
pids+=($first)
wait_windows 3 || fail "no window for our saver with a runtime directory"
out=$("${as_me[@]}" XDG_RUNTIME_DIR="$runtime" timeout 10 "$work/ondalith" 2>&1); status=$?
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "a second run of ours: exit $status, said: $out"
[ "$(count_windows)" -eq 3 ] || fail "a second run of ours left a window"
echo "ok: a second run of ours ends at once"

read -r saver _ <"/proc/$first/task/$first/children"
lock=$(ls "$runtime"/*.lock) || fail "no marker file in the runtime directory"
fd=$(for f in /proc/$saver/fd/*; do [ "$(readlink "$f")" = "$lock" ] && basename "$f"; done)
[ -n "$fd" ] || fail "the saver holds no descriptor of $lock"
flags=$(awk '/^flags:/ {print $2}' "/proc/$saver/fdinfo/$fd")
(( 0$flags & 02000000 )) || fail "the marker's descriptor lacks close-on-exec (flags $flags)"
echo "ok: the marker's descriptor is closed on exec"
