#!/usr/bin/env bash
# --delay N: a pause of N microseconds after each presented frame. With 200000 the GL
# driver (Mesa's HUD) counts at most 6 presented frames a second; during a long pause
# no further frame is drawn, yet SIGTERM, a key and a vanished window still end the
# saver with 0 at once; an unusable value gives one line on stderr and the default pace.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 320x240x24 || exit 1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
glyphs="$BUILD_DIR/resources/fps_glyphs.txt"

# counted SECONDS ARGS...: the saver runs that long under the HUD; prints its values,
# one per second of presented frames.
counted() {
    local seconds=$1
    shift
    rm -rf "$work/hud" && mkdir "$work/hud"
    GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$work/hud" GALLIUM_HUD_PERIOD=1 timeout 120 "$ONDALITH" "$@" \
        >/dev/null 2>"$work/err" &
    pid=$!
    sleep "$seconds"
    kill "$pid"; wait "$pid"; pid=
    cat "$work/hud/fps" 2>/dev/null
}

# first_frame WINDOW X Y: waits until the saver's picture shows at that pixel: neither the
# black of an empty screen nor the magenta of the test's host window.
first_frame() {
    local colour
    for _ in $(seq 60); do
        sleep 0.5
        colour=$(pixel "$2" "$3" "$1")
        [ -n "$colour" ] && [ "$colour" != "0 0 0" ] && [ "$colour" != "255 0 255" ] && return 0
    done
    fail "no first frame"
}

# ends_promptly WHAT: the saver $pid, asked to end at $asked, exits with 0 well within
# the pause; prints how long it took.
ends_promptly() {
    local status ms
    for _ in $(seq 500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
    kill -0 "$pid" 2>/dev/null && fail "$1 during the pause did not end the saver"
    wait "$pid"; status=$?
    pid=
    ms=$(awk -v a="$asked" -v b="$EPOCHREALTIME" 'BEGIN { printf "%d", (b - a) * 1000 }')
    [ "$status" -eq 0 ] || fail "$1 during the pause gave exit $status"
    [ "$ms" -lt 2000 ] || fail "$1 during the pause took $ms ms"
    echo "ok: $1 during a 10 s pause ends the saver with 0 after $ms ms"
}

values=$(counted 8 /s --delay 200000)
echo "--delay 200000, presented per second: $(echo $values)"
[ "$(wc -l <<<"$values")" -ge 2 ] || fail "too few frames counted"
awk '$1 > 6 { exit 1 }' <<<"$values" || fail "more than 6 frames a second with --delay 200000"
echo "ok: at most 6 frames a second"

timeout 120 "$ONDALITH" /s --fps --delay 10000000 >/dev/null 2>"$work/err" &
pid=$!
first_frame root 160 120
import -window root "$work/first.png"
out1=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/first.png" "$glyphs") || fail "box: $out1"
sleep 2
import -window root "$work/later.png"
out2=$(/usr/bin/python3 "$TEST_TOOLS/fps_box.py" "$work/later.png" "$glyphs") || fail "box: $out2"
[ "$out1" = "$out2" ] || fail "a frame was drawn during the pause: $out1 / $out2"
echo "ok: no frame during the pause ($(grep 't:' <<<"$out1"))"
asked=$EPOCHREALTIME
kill -TERM "$pid"
ends_promptly SIGTERM

timeout 120 "$ONDALITH" /s --delay 10000000 >/dev/null 2>"$work/err" &
pid=$!
window=$(wait_for_window '^Ondalith Screensaver$')
[ -n "$window" ] || fail "no saver window"
first_frame root 160 120
asked=$EPOCHREALTIME
xdotool key --window "$window" a
ends_promptly "a key"

coproc HOST { timeout 120 "$TEST_BIN/x11_host_window" 200x150; }
read -r host <&"${HOST[0]}"
timeout 120 "$ONDALITH" --window-id "$host" --delay 10000000 >/dev/null 2>"$work/err" &
pid=$!
first_frame "$host" 100 75
asked=$EPOCHREALTIME
echo >&"${HOST[1]}"  # the host destroys its window
ends_promptly "a vanished window"
[ -s "$work/err" ] && fail "the hosted saver wrote: $(cat "$work/err")"

values=$(counted 6 /s --delay 20000000)
[ "$(grep -c . "$work/err")" -eq 1 ] && grep -q -- '--delay' "$work/err" || fail "no single line about --delay: $(cat "$work/err")"
echo "stderr: $(cat "$work/err")"
echo "--delay 20000000, presented per second: $(echo $values)"
[ "$(wc -l <<<"$values")" -ge 2 ] || fail "an unusable --delay did not run at the default pace"
echo "ok: an unusable value gives one line and the default"
