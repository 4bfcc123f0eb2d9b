#!/usr/bin/env bash
# --fps: at one frozen saver time the picture with the box differs from the picture
# without it only inside the box; the box reads back exactly at 320 x 240 and at
# 1920 x 1080; and the rate it prints agrees with the frames that the GL driver itself
# counted as presented (Mesa's HUD), within 10 %.
set -u
. "$TEST_TOOLS/xvfb.sh"
glyphs="$BUILD_DIR/resources/fps_glyphs.txt"
work=$(mktemp -d)
cleanup() { [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; stop_xvfb; rm -rf "$work"; }
screen() { stop_xvfb; start_xvfb "$1" || exit 1; trap cleanup EXIT; }
pixels() { convert "$1" -depth 8 rgb:- | md5sum; }

# frozen_shot OUT ARGS...: the saver with its time standing still at 0; the screenshot
# is taken once two in a row agree and the screen is no longer black (60 s at most).
frozen_shot() {
    local out=$1 previous= now still=
    shift
    timeout 120 env LD_PRELOAD="$TEST_BIN/libondalith_clock_shim.so" ONDALITH_CLOCK_RATE=0 "$ONDALITH" /s "$@" \
        >/dev/null 2>"$work/err" &
    pid=$!
    for _ in $(seq 120); do
        sleep 0.5
        import -window root "$out" 2>/dev/null || continue
        now=$(pixels "$out")
        if [ "$now" = "$previous" ] && [ "$(convert "$out" -format '%[fx:mean>0.05]' info:)" = 1 ]; then
            still=1
            break
        fi
        previous=$now
    done
    kill "$pid"; wait "$pid"; pid=
    [ -n "$still" ] || fail "no still picture that is not black with ${*:-no switch}"
}

screen 320x240x24
frozen_shot "$work/plain.png"
frozen_shot "$work/box.png" --fps
out=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/box.png" "$glyphs" --same-outside "$work/plain.png") \
    || fail "320 x 240: $out"
echo "$out"
grep -qx 'text: FPS: --' <<<"$out" && grep -qx 'text: t: 0.00 s' <<<"$out" || fail "320 x 240: the box says something else"
echo "ok: at 320 x 240 only the box differs, and it reads back"

screen 1920x1080x24
frozen_shot "$work/large.png" -fps
out=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/large.png" "$glyphs") || fail "1920 x 1080: $out"
echo "$out"
grep -qx 'text: t: 0.00 s' <<<"$out" || fail "1920 x 1080: the box says something else"
echo "ok: at 1920 x 1080 the box reads back"

# The live rate: each screenshot's printed rate against the HUD's. Both average over
# windows that end at the first present a second or more after the last window's end,
# from the first present on, so they time the same windows; the box on screen shows the
# window that ended at the present before it, which is one of the HUD's last three
# values by the time the screenshot is read: on a busy machine neighbouring windows
# differ by far more than 10 %, so each rate is paired with its own window. The two
# clocks stamp a present at different points of the swap, which on a busy machine moves
# a window's ends by a good part of a frame, either way: the means of six pairs agree.
screen 320x240x24
mkdir "$work/hud"
GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$work/hud" GALLIUM_HUD_PERIOD=1 timeout 120 "$ONDALITH" /s --fps \
    >/dev/null 2>"$work/err" &
pid=$!
printed=() counted=()
for _ in $(seq 40); do
    sleep 1.5
    import -window root "$work/live.png" 2>/dev/null || continue
    mapfile -t hud <"$work/hud/fps" 2>/dev/null
    out=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/live.png" "$glyphs" 2>&1) || continue
    rate=$(sed -n 's/^text: FPS: \([0-9.]*\)$/\1/p' <<<"$out")
    [ -n "$rate" ] && [ ${#hud[@]} -ge 3 ] || continue
    printed+=("$rate")
    counted+=("$(echo "$rate ${hud[-1]} ${hud[-2]} ${hud[-3]}" | awk '{
        best = $2; for (i = 3; i <= 4; i++) if (($i - $1) ^ 2 < (best - $1) ^ 2) best = $i; print best }')")
    [ ${#printed[@]} -ge 6 ] && break
done
kill "$pid"; wait "$pid"; pid=
[ ${#printed[@]} -ge 6 ] || fail "too few screenshots with a rate (${#printed[@]})"
echo "printed: ${printed[*]}"
echo "counted: ${counted[*]}"
awk -v p="${printed[*]}" -v c="${counted[*]}" 'BEGIN {
    n = split(p, a, " "); split(c, b, " ")
    for (i = 1; i <= n; i++) { sp += a[i]; sc += b[i] }
    printf "mean printed %.3f, mean counted %.3f a second\n", sp / n, sc / n
    exit (sp > 1.1 * sc || sp < 0.9 * sc)
}' || fail "the printed rate is more than 10 % off the counted one"
echo "ok: the printed rate agrees with the presented frames"
