#!/usr/bin/env bash
# The About window at the desktop's font resolution, on two monitors side by side (the
# primary on the left, the screen's middle near the seam): without Xft.dpi it is the fixed 400 x 300 window; with
# Xft.dpi 192 (xrdb) it and its texts are twice as large. Either way it lies wholly on
# the primary monitor, centred there, never across the seam.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xorg-dummy.sh"
start_xorg_dummy 1024x768+0+0 800x600+1024+0 || exit 1
work=$(mktemp -d)
trap 'stop_xorg_dummy; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# measure SCALE: shows the window, prints "X Y W H TITLE CREDITS" (place, size and the
# texts' heights in rows) and closes it.
measure() {
    timeout 60 "$ONDALITH" /c & local runner=$!
    local window
    window=$(wait_for_window '^About$' 30); [ -n "$window" ] || fail "no About window at scale $1"
    sleep 1  # drawn after its first Expose
    local place
    place=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
    import -window root "$work/shot-$1.png"
    echo "$place $(python3 "$TEST_TOOLS/about_text_rows.py" "$work/shot-$1.png" $place "$1")"
    kill "$runner"; wait "$runner"
}

# on_primary X Y W H: the window wholly on the primary (1024 x 768 at 0, 0), centred.
on_primary() {
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le 1024 ] && [ $(($2 + $4)) -le 768 ] &&
        [ "$1" = $(((1024 - $3) / 2)) ] && [ "$2" = $(((768 - $4) / 2)) ]
}

read -r x y w h title credits <<<"$(measure 1)"
echo "at 96 dpi: ${w}x$h at $x,$y; title $title rows, credits $credits rows"
[ "$w $h" = "400 300" ] || fail "size without Xft.dpi: ${w}x$h"
on_primary "$x" "$y" "$w" "$h" || fail "not centred on the primary monitor (1024x768 at 0,0): ${w}x$h at $x,$y"
[ "$title" -gt 8 ] && [ "$credits" -gt 30 ] || fail "no texts found: title $title rows, credits $credits rows"

echo 'Xft.dpi: 192' | xrdb -merge
read -r x2 y2 w2 h2 title2 credits2 <<<"$(measure 2)"
echo "at 192 dpi: ${w2}x$h2 at $x2,$y2; title $title2 rows, credits $credits2 rows"
[ "$w2 $h2" = "800 600" ] || fail "size with Xft.dpi 192: ${w2}x$h2"
on_primary "$x2" "$y2" "$w2" "$h2" || fail "not centred on the primary monitor at 192 dpi: ${w2}x$h2 at $x2,$y2"
why=$(python3 "$TEST_TOOLS/about_text_rows.py" --twice "$title" "$credits" "$title2" "$credits2") || fail "$why"
echo PASS
