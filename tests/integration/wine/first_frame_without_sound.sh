#!/usr/bin/env bash
# Where no sound device answers (a stand-in dsound.dll that always says "no driver"), the
# first picture of "/s" comes as soon as with Wine's own DirectSound on a (null) device:
# the ten attempts at the device, 500 ms apart, all come after it, and the picture goes
# on moving while they are made.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24
work=$(mktemp -d)
trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT

saver=$(basename "$ONDALITH")
mkdir "$work/with" "$work/without"
cp "$ONDALITH" "$work/with/"
cp "$ONDALITH" "$TEST_BIN/no_sound_device/dsound.dll" "$work/without/"
: >"$work/attempts"
ONDALITH_SOUND_LOG=$(winepath -w "$work/attempts") || fail "winepath"
export ONDALITH_SOUND_LOG
attempts() { wc -l <"$work/attempts"; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# first_frame DIR [DLL OVERRIDES]: starts the saver in DIR and sets $frame_ms to the time
# from its start to the first picture on the screen; it is left running as $pid.
first_frame() {
    local started
    started=$(now_ms)
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES${2:+;$2}" timeout 120 wine "$1/$saver" /s &
    pid=$!
    for _ in $(seq 600); do
        near "$(pixel 320 240)" "0 0 0" || break
        kill -0 "$pid" 2>/dev/null || fail "the saver in $1 ended before its first picture"
        sleep 0.05
    done
    near "$(pixel 320 240)" "0 0 0" && fail "no picture from the saver in $1"
    frame_ms=$(( $(now_ms) - started ))
}

stop_saver() {  # WHAT
    local win
    win=$(wait_for_window '^Ondalith Screensaver$' 10) || true
    xdotool windowfocus "$win" key space
    ends_cleanly "$pid" "$1" 30
}

# Once unmeasured, so that every measured run finds Wine started. Then each kind twice,
# taking the faster: on a busy machine one start can be a second slower than the next.
first_frame "$work/with"; stop_saver "a key"
first_frame "$work/with"; with_ms=$frame_ms; stop_saver "a key"
mkdir "$work/hud"
GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR=$work/hud GALLIUM_HUD_PERIOD=1 first_frame "$work/without" "dsound=n"
without_ms=$frame_ms
echo "first picture: ${with_ms} ms with a sound device, ${without_ms} ms without one (attempt $(attempts) by then)"

# Frames go on being presented while the attempts are made: Mesa's HUD writes how many
# each second (the picture itself stands still until the wave comes into view, about
# as late as the last attempt).
for _ in $(seq 200); do [ "$(attempts)" -ge 10 ] && break; sleep 0.1; done
sleep 1
[ "$(attempts)" -eq 10 ] || fail "the saver made $(attempts) attempts at the device, not 10"
presents=$(tr '\n' ' ' <"$work/hud/fps" 2>/dev/null)
echo "frames presented each second from the start: $presents"
awk '{ if ($1 > 0) { seen = 1; n++ } else if (seen) idle++ } END { exit !(n >= 4 && !idle) }' \
    "$work/hud/fps" || fail "the picture stood still during the attempts: $presents"
echo "ok: ten attempts at the device, all after the first picture, with frames presented throughout"
stop_saver "a key after the attempts"

first_frame "$work/with"; stop_saver "a key"
with_ms=$((frame_ms < with_ms ? frame_ms : with_ms))
first_frame "$work/without" "dsound=n"; stop_saver "a key during the attempts"
without_ms=$((frame_ms < without_ms ? frame_ms : without_ms))
echo "first picture, the faster of two: ${with_ms} ms with a sound device, ${without_ms} ms without one"
[ "$without_ms" -le $((with_ms + 1000)) ] ||
    fail "without a sound device the first picture came $((without_ms - with_ms)) ms later than with one"
echo "ok: the first picture came within 1 s of the run with a sound device"
