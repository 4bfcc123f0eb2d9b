#!/usr/bin/env bash
# The saver as an X screensaver daemon runs it: drawing into a window it is handed
# (--window-id, or --root with XSCREENSAVER_WINDOW), one per monitor at once, leaving
# keys and clicks in the window to its owner, ending with 0 on SIGTERM, and ending with
# 0 and no X error when the window goes away first.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 1280x720x24 || exit 1
work=$(mktemp -d)

host() {  # NAME [input]: starts a host window as coprocess NAME, which prints its id
    coproc "$1" { timeout 120 "$TEST_BIN/x11_host_window" 400x300 ${2:-}; }
}
host A; read -r idA <&"${A[0]}"
host B input; read -r idB <&"${B[0]}"

timeout 60 "$ONDALITH" --window-id "$idA" 2>"$work/a.err" & a=$!
XSCREENSAVER_WINDOW=$idB timeout 60 "$ONDALITH" --root 2>"$work/b.err" & b=$!
sleep 3
kill -0 "$a" 2>/dev/null || fail "saver A (--window-id) ended early: $(cat "$work/a.err")"
kill -0 "$b" 2>/dev/null || fail "saver B (--root) ended early: $(cat "$work/b.err")"
echo "ok: two hosted savers run at once"

# Host B lies on top. With no window manager the keyboard follows the pointer.
xdotool mousemove 200 150 click 1 key a
heard=()
while read -r -t 5 line <&"${B[0]}"; do heard+=("$line"); [ ${#heard[@]} -ge 2 ] && break; done
sleep 1
kill -0 "$b" 2>/dev/null || fail "a click and a key over its host ended saver B"
[ "${heard[*]:-}" = "button key" ] || fail "host B heard '${heard[*]:-}' for a click and a key over it"
echo "ok: a click and a key over a hosted saver reach the host and leave the saver running"

# The saver follows at its next pass, after the frame it is drawing (about 0.5 s at
# 400 x 300 on an idle machine, with saver B drawing too): up to 20 s.
xdotool windowsize "$idA" 500 350
child=$(xwininfo -children -id "$idA" | awk '/child:/ {getline; print $1; exit}')
[ -n "$child" ] || fail "no saver window inside host A"
for _ in $(seq 200); do
    size=$(xwininfo -id "$child" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$size" = 500x350 ] && break
    sleep 0.1
done
[ "$size" = 500x350 ] || fail "the saver's window is $size 20 s after the host became 500x350"
echo "ok: the saver follows its host's size"

kill -TERM "$a"; wait "$a"; status=$?
[ "$status" -eq 0 ] || fail "SIGTERM gave exit $status"
[ ! -s "$work/a.err" ] || fail "saver A wrote: $(cat "$work/a.err")"
echo "ok: SIGTERM ends it with 0"

echo >&"${B[1]}"  # host B destroys its window
for _ in $(seq 30); do kill -0 "$b" 2>/dev/null || break; sleep 0.1; done
kill -0 "$b" 2>/dev/null && fail "saver B still runs after its window was destroyed"
wait "$b"; status=$?
[ "$status" -eq 0 ] || fail "window gone gave exit $status"
[ ! -s "$work/b.err" ] || fail "saver B wrote: $(cat "$work/b.err")"
echo "ok: a destroyed window ends it with 0 and no X error"

out=$(timeout 10 "$ONDALITH" --help); status=$?
[ "$status" -eq 0 ] && grep -q -- '--window-id' <<<"$out" && grep -q -- '--root' <<<"$out" || fail "--help"
echo "ok: --help"
