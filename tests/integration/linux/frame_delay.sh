#!/usr/bin/env bash
# --delay N: a pause of N microseconds after each presented frame. The GL driver (Mesa's
# HUD) times the presents: with 1000000 they come about a second further apart than
# without; during a long pause no further frame is drawn, yet SIGTERM, a key and a
# vanished window still end the saver with 0 at once; an unusable value gives one line on
# stderr and the default pace. The pause's arithmetic itself is a unit test's.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 320x240x24 || exit 1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
glyphs="$BUILD_DIR/resources/fps_glyphs.txt"

# intervals N ARGS...: the saver under the HUD, which writes one line per present (the
# rate since the one before), until N intervals are in or 60 s have gone; prints the
# times between presents in seconds, shortest first. The first line is left out: the
# HUD starts its clock late, while it sets itself up at the first present.
intervals() {
    local n=$1 lines
    shift
    rm -rf "$work/hud" && mkdir "$work/hud"
    GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0 GALLIUM_HUD_DUMP_DIR="$work/hud" \
        timeout 120 "$ONDALITH" "$@" >/dev/null 2>"$work/err" &
    pid=$!
    for _ in $(seq 600); do
        lines=$(cat "$work/hud/fps" 2>/dev/null | grep -c .)
        [ "$lines" -gt "$n" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid"; wait "$pid"; pid=
    awk 'NR > 1 && $1 > 0 { printf "%.3f\n", 1 / $1 }' "$work/hud/fps" 2>/dev/null | sort -g
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

# A frame alone takes about 0.2 s here, and two to four times that on a busy machine,
# so the pause is measured against the same saver without one: the shortest interval of
# each run is its least disturbed frame, and the runs follow each other closely. Every
# interval with the pause is at least 1 s whatever the load; the shortest ones differ by
# the pause, give or take half of it.
alone=$(intervals 6 /s)
echo "no --delay, seconds between presents: $(echo $alone)"
[ "$(grep -c . <<<"$alone")" -ge 6 ] || fail "too few frames without --delay"
delayed=$(intervals 4 /s --delay 1000000)
echo "--delay 1000000, seconds between presents: $(echo $delayed)"
[ "$(grep -c . <<<"$delayed")" -ge 4 ] || fail "too few frames with --delay 1000000"
awk 'NR == 1 { exit !($1 >= 0.999) }' <<<"$delayed" || fail "presents less than 1 s apart with --delay 1000000"
pause=$(awk -v a="$(head -n 1 <<<"$alone")" -v d="$(head -n 1 <<<"$delayed")" 'BEGIN { printf "%.3f", d - a }')
awk -v p="$pause" 'BEGIN { exit !(p >= 0.5 && p <= 2.0) }' || fail "--delay 1000000 paused $pause s a frame"
echo "ok: --delay 1000000 pauses about 1 s a frame ($pause s)"

unusable=$(intervals 6 /s --delay 20000000)
[ "$(grep -c . "$work/err")" -eq 1 ] && grep -q -- '--delay' "$work/err" || fail "no single line about --delay: $(cat "$work/err")"
echo "stderr: $(cat "$work/err")"
echo "--delay 20000000, seconds between presents: $(echo $unusable)"
[ "$(grep -c . <<<"$unusable")" -ge 6 ] || fail "too few frames with an unusable --delay"
pause=$(awk -v a="$(head -n 1 <<<"$alone")" -v d="$(head -n 1 <<<"$unusable")" 'BEGIN { printf "%.3f", d - a }')
awk -v p="$pause" 'BEGIN { exit !(p < 0.5) }' || fail "an unusable --delay paused $pause s a frame, not the default none"
echo "ok: an unusable value gives one line and the default pace"

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
[ ! -s "$work/err" ] || fail "the hosted saver wrote: $(cat "$work/err")"
echo "all --delay checks passed"
