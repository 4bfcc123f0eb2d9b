#!/usr/bin/env bash
# Soak: the saver in a small host window under a private Xvfb, its clock sped up (the
# test-only clock shim) so that its time t sweeps from 0 to 100,000 s within the run.
# Samples the saver's resident set every few seconds and counts the frames it presents
# (Mesa's HUD, hidden, writes one line per present). Checks that after the first 100
# frames the resident set grows by at most 1 MiB, that the saver's own t, read back from
# its --fps box, reaches 100,000 s, that the picture still changes at the end, and that
# SIGTERM ends the saver with exit code 0 and nothing on stderr.
#
# On a software rasteriser a frame takes a third of a second even in a tiny window (the
# vertex work of 10,000 cubes), so a one-minute run presents about 200 frames: the
# growth is measured from frame 100, or from half the run where frame 100 comes later,
# so that enough of the run is left to measure. What grows at all is the GL
# driver's per-frame working set reaching new highs as t visits rarer pictures (the
# heap in use, compared at the same point of a frame, stays flat).
#
# Usage: scripts/soak.sh [SECONDS]     (default 60; builds build/linux first if needed)
#        SOAK_TRACE=1 prints each sample (time, frames, resident set) as it is taken.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
[ "$seconds" -ge 20 ] 2>/dev/null || { echo "usage: $0 [SECONDS, at least 20]" >&2; exit 2; }
BUILD_DIR=${BUILD_DIR:-$root/build/linux}
ONDALITH=${ONDALITH:-$BUILD_DIR/ondalith}
TEST_BIN=${TEST_BIN:-$BUILD_DIR/tests}
TEST_TOOLS=${TEST_TOOLS:-$root/tests/tools}
shim="$TEST_BIN/libondalith_clock_shim.so"
if [ ! -x "$ONDALITH" ] || [ ! -f "$shim" ] || [ ! -x "$TEST_BIN/x11_host_window" ]; then
    bash "$root/scripts/build.sh" linux >&2 || exit 1
fi
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/saver-process.sh"

target=100000        # t at the end of the run, seconds
every=3              # seconds between samples
window=64x48         # small, so that the rasteriser's share of a frame stays small (one
                     # tile of Mesa's llvmpipe: a second one doubles the memory it bins
                     # the cubes into); the --fps box is cut at the window's right edge
                     # after "t: " and seven characters, enough for t up to 9,999,999 s
rate=$(( target / (seconds - 2) + 1 ))

start_xvfb 320x240x24 || exit 1
work=$(mktemp -d)
coproc HOST { timeout $((seconds + 120)) "$TEST_BIN/x11_host_window" "$window"; }
read -r host <&"${HOST[0]}"
[ -n "$host" ] || fail "no host window"

# The HUD, hidden and with period 0, writes one line to $work/fps per present.
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0 GALLIUM_HUD_DUMP_DIR="$work" \
    timeout $((seconds + 60)) env LD_PRELOAD="$shim" ONDALITH_CLOCK_RATE="$rate" \
    "$ONDALITH" --window-id "$host" --fps >/dev/null 2>"$work/stderr" &
runner=$!
pid=$(child_of "$runner") || fail "the saver did not start"
started=$(date +%s%N)
elapsed_ms() { echo $(( ($(date +%s%N) - started) / 1000000 )); }
frames() { local n; n=$(wc -l <"$work/fps" 2>/dev/null) || n=0; echo "${n:-0}"; }

first= last= max= first_frames=
while [ "$(elapsed_ms)" -lt $(( (seconds - 2) * 1000 )) ]; do
    sleep "$every"
    rss=$(rss_kib "$pid") || fail "the saver ended during the soak: $(cat "$work/stderr")"
    n=$(frames)
    [ -n "${SOAK_TRACE:-}" ] && echo "$(elapsed_ms) ms: frame $n, RSS $rss KiB" >&2
    if [ -z "$first" ] && { [ "$n" -ge 100 ] || [ "$(elapsed_ms)" -ge $((seconds * 1000 / 2)) ]; }; then
        first=$rss max=$rss first_frames=$n
    fi
    if [ -n "$first" ]; then
        last=$rss
        [ "$rss" -gt "$max" ] && max=$rss
    fi
done

# The saver's t at the end, as its box shows it: the frame on screen may be one drawn a
# moment before the target, so look again for up to 20 s.
t_end= box=
while [ "$(elapsed_ms)" -lt $(( (seconds + 20) * 1000 )) ]; do
    import -window "$host" "$work/a.png" 2>/dev/null &&
        box=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/a.png" "$BUILD_DIR/resources/fps_glyphs.txt") &&
        t_end=$(sed -n 's/^text: t: \([0-9][0-9]*\).*/\1/p' <<<"$box")
    [ -n "$t_end" ] && [ "$t_end" -ge "$target" ] && break
    sleep 1
done
# The picture at the end, above the box (whose t changes anyway): two looks at the host
# window must differ (a slow frame may still be on screen at the second look, so look a
# few times).
above() { convert "$1" -crop "${window%x*}x24+0+0" +repage "$2"; }
above "$work/a.png" "$work/a-above.png" || fail "no screenshot"
changed=
for _ in $(seq 10); do
    sleep 1
    import -window "$host" "$work/b.png" && above "$work/b.png" "$work/b-above.png" || continue
    diff=$(compare -metric AE "$work/a-above.png" "$work/b-above.png" null: 2>&1)
    diff=${diff%% *}
    [[ $diff =~ ^[0-9]+$ ]] && [ "$diff" -gt 0 ] && { changed=$diff; break; }
done
n=$(frames)

kill -TERM "$pid"
wait "$runner"; status=$?
host_in=${HOST[1]}
exec {host_in}>&-  # the host destroys its window and ends
wait "$HOST_PID" 2>/dev/null

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
echo "soak: ${seconds} s, clock x${rate}, host window ${window}"
printf '%-22s %s\n' "frames presented" "$n" "t reached (s)" "${t_end:-not read}  (the saver's box)"
[ -n "$first" ] || fail "the saver's resident set was never sampled"
printf '%-22s %s\n' "RSS first (MiB)" "$(mib "$first")  (at frame $first_frames)" \
    "RSS last (MiB)" "$(mib "$last")" "RSS max (MiB)" "$(mib "$max")" \
    "RSS growth (MiB)" "$(mib $((max - first)))  (at most 1.0)"
echo "picture changes at the end: ${changed:+yes (}${changed:-no}${changed:+ pixels)}"
echo "SIGTERM: exit $status, stderr $( [ -s "$work/stderr" ] && echo "not empty" || echo empty)"

[ -n "$t_end" ] || fail "no t in the saver's box: $box"
[ "$t_end" -ge "$target" ] || fail "t reached only $t_end s"
[ $((max - first)) -le 1024 ] || fail "the resident set grew by $(mib $((max - first))) MiB after frame $first_frames"
[ -n "$changed" ] || fail "the picture no longer changes at t = $t_end s"
[ "$status" -eq 0 ] || fail "SIGTERM gave exit $status"
[ ! -s "$work/stderr" ] || fail "stderr: $(cat "$work/stderr")"
echo "ok: soak"
rm -rf "$work"
