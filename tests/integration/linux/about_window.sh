#!/usr/bin/env bash
# Configure mode: the About window's place, size, looks, link and ways out.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
# A runtime directory of this test's own, where a run would leave its instance marker.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The desktop's opener, replaced by one that writes down what it was asked to open.
. "$TEST_TOOLS/fake-opener.sh"
install_fake_opener "$work"
close_request="$TEST_BIN/x11_close_request"

# No X server: the failure is reported and the process still ends with 0.
out=$(env -u DISPLAY timeout 10 "$ONDALITH" /c 2>&1); rc=$?
[ "$rc" = 0 ] || fail "without a display: exit $rc"
[ "$out" = "Error!: Window Creation Failed!" ] || fail "without a display: '$out'"

# An odd screen size: the centre is truncated, (1281 - 400) / 2 = 440, (721 - 300) / 2 = 210.
start_xvfb 1281x721x24 || exit 1
timeout 60 "$ONDALITH" /c 1234 & runner=$!
window=$(wait_for_window '^About$') ; [ -n "$window" ] || fail "no About window"
pid=$(xdotool getwindowpid "$window")

xprop -id "$window" WM_CLASS | grep -qF '= "ondalith", "Ondalith"' || fail "class: $(xprop -id "$window" WM_CLASS)"
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
[ "$geometry" = "440 210 400 300" ] || fail "place and size: $geometry"
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'minimum size: 400 by 300' <<<"$hints" && grep -q 'maximum size: 400 by 300' <<<"$hints" ||
    fail "resizable: $hints"

# Configure mode makes no saver window, no GL context, no sound and no instance marker.
[ -z "$(xdotool search --name 'Ondalith Screensaver' 2>/dev/null)" ] || fail "a saver window appeared"
grep -Eq 'libGL|libEGL|libasound|libpulse' "/proc/$pid/maps" && fail "GL or sound libraries loaded"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "the instance marker was taken: $(ls "$XDG_RUNTIME_DIR")"

# Pixels, client coordinates: background around and inside the labels' empty parts,
# the logo's teal, the button's face.
shot="$work/shot.png"
import -window root "$shot"
at() { /usr/bin/convert "$shot" -crop "1x1+$((440 + $1))+$((210 + $2))" -depth 8 rgb:- | od -An -tu1 | xargs; }
for point in "3 3" "396 296" "396 3" "3 296" "90 25" "360 35" "30 145" "395 160" "30 205" "30 226" "300 226"; do
    near "$(at $point)" "177 232 179" 0 || fail "background at $point: $(at $point)"
done
for point in "145 58" "248 58" "145 100"; do
    near "$(at $point)" "0 128 128" 0 || fail "logo at $point: $(at $point)"
done
near "$(at 155 238)" "177 232 179" 30 && fail "no button face at 155 238"

# The button opens the site and the window stays.
xdotool mousemove $((440 + 200)) $((210 + 226)) click 1
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "https://kestrova.example/?utm_source=About" ] ||
    fail "opener got '$(cat "$work/opened" 2>/dev/null)'"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the window went with the click"
grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null && fail "the window process is a zombie"
[ -z "$(ps -o pid= --ppid "$pid")" ] || fail "the opener is still a child of the window: $(ps -o pid,stat,comm --ppid "$pid")"

# The window manager's close request ends the process with 0.
"$close_request" "$window"
wait "$runner"; rc=$?
[ "$rc" = 0 ] || fail "close request: exit $rc"

# So does another client destroying the window.
timeout 60 "$ONDALITH" /c & runner=$!
window=$(wait_for_window '^About$') ; [ -n "$window" ] || fail "no second About window"
xdotool windowclose "$window"
wait "$runner"; rc=$?
[ "$rc" = 0 ] || fail "destroyed window: exit $rc"

# A stop request, from a session that ends or from a terminal, closes it with 0.
for signal in TERM INT; do
    timeout 60 "$ONDALITH" /c & runner=$!
    window=$(wait_for_window '^About$') ; [ -n "$window" ] || fail "no About window for SIG$signal"
    kill -s "$signal" "$(xdotool getwindowpid "$window")"
    wait "$runner"; rc=$?
    [ "$rc" = 0 ] || fail "SIG$signal: exit $rc"
    [ -z "$(xdotool search --name '^About$' 2>/dev/null)" ] || fail "SIG$signal left the window"
done

[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "an About window took the instance marker: $(ls "$XDG_RUNTIME_DIR")"
# A preview run does take it there (and then fails on its made-up window), so the empty
# directory above means something.
timeout 20 "$ONDALITH" /p 12345 >/dev/null 2>&1
[ -n "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "the marker is not where this test looks for it"
echo PASS
