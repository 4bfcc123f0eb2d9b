#!/usr/bin/env bash
# A failure in a full-screen run ("/s" on a driver below OpenGL 4.2) leaves no desk open
# behind its box: while the box is shown in front, both monitors (side by side, Xorg's
# dummy driver) are black, not the desk; once it is dismissed the saver ends with 0 and
# takes every window with it.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
wine_dummy_begin 640x480+0+0 800x600+640+0
/usr/bin/xsetroot -solid '#ff00ff'  # the desk, wherever nothing lies over it

MESA_GL_VERSION_OVERRIDE=3.3COMPAT timeout 120 wine "$ONDALITH" /s &
pid=$!
box=$(wait_for_window '^Debug$' 60) || true
[ -n "$box" ] || fail "no box"
eval "$(xdotool getwindowgeometry --shell "$box")"
# Corners and middles of both monitors, where the box is not.
for point in "3 3" "636 3" "3 476" "636 476" "320 240" "643 3" "1436 3" "643 596" "1436 596" "1040 300"; do
    read -r px py <<<"$point"
    [ "$px" -ge "$X" ] && [ "$px" -lt $((X + WIDTH)) ] && [ "$py" -ge "$Y" ] && [ "$py" -lt $((Y + HEIGHT)) ] && continue
    for _ in $(seq 40); do near "$(pixel $point)" "0 0 0" 0 && break; sleep 0.25; done
    near "$(pixel $point)" "0 0 0" 0 || fail "the desk shows at $point ($(pixel $point)) behind the box"
done
near "$(pixel $((X + 8)) $((Y + HEIGHT - 8)))" "0 0 0" 0 && fail "the box lies behind the covers"
echo "ok: the box is shown in front of black on both monitors"

xdotool windowfocus "$box"; sleep 0.3; xdotool key Return
ends_cleanly "$pid" "dismissing the box" 30
echo "ok: dismissing the box ends the saver with 0 and leaves no window"
