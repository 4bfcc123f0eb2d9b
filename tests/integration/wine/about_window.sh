#!/usr/bin/env bash
# Configure mode under Wine: the About window's class, place, size, looks, link and
# way out, and the failures it reports when its class and window cannot be made.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/fake-opener.sh"

probe() { timeout 30 wine "$TEST_BIN/about_probe.exe" "$@" | tr -d '\r'; }

work=$(mktemp -d)
# An odd screen size: the centre is truncated, (1281 - 400) / 2 = 440, (721 - 300) / 2 = 210.
wine_test_begin 1281x721x24
trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT
# The web browser, replaced by one that writes down what it was asked to open; Wine
# hands web addresses to the first of its browsers that starts.
install_fake_opener "$work"
timeout 60 wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/bin/xdg-open" /f >/dev/null ||
    fail "reg add"

timeout 120 wine "$ONDALITH" /c:1234 & runner=$!
window=$(wait_for_window '^About$' 60); [ -n "$window" ] || fail "no About window"

read -r x y w h cx cy cw ch style <<<"$(probe window)" || fail "no window of class KestrovaWindowClass"
[ "$x $y $w $h" = "440 210 400 300" ] || fail "place and size: $x $y $w $h"
[ "$(xwininfo -id "$window" | awk '/Absolute upper-left/{printf "%s ", $NF} /Width:|Height:/{printf "%s ", $NF}')" = \
  "440 210 400 300 " ] || fail "X window differs: $(xwininfo -id "$window")"
# WS_SYSMENU only: no sizing border, no minimise or maximise box.
[ $((style & 0x80000)) != 0 ] && [ $((style & 0x70000)) = 0 ] || fail "style $(printf %x "$style")"

# Configure mode makes no saver window, no GL context, no sound and no instance marker.
[ -z "$(xdotool search --name 'Ondalith Screensaver' 2>/dev/null)" ] || fail "a saver window appeared"
[ "$(probe marker)" = absent ] || fail "the instance marker was taken"
pid=$(xdotool getwindowpid "$window")
[ -n "$pid" ] || fail "no process for the window"
grep -Eq 'libGL|libEGL|libasound|libpulse' "/proc/$pid/maps" && fail "GL or sound libraries loaded"

# Pixels, client coordinates: background around and inside the labels' empty parts,
# the logo's teal, the button's face.
shot="$work/shot.png"
import -window root "$shot"
at() { /usr/bin/convert "$shot" -crop "1x1+$((cx + $1))+$((cy + $2))" -depth 8 rgb:- | od -An -tu1 | xargs; }
for point in "3 3" "$((cw - 3)) $((ch - 3))" "$((cw - 3)) 3" "3 $((ch - 3))" "90 25" "360 35" "30 145" \
             "$((cw - 3)) 160" "30 205" "30 226" "300 226"; do
    near "$(at $point)" "177 232 179" 0 || fail "background at $point: $(at $point)"
done
for point in "145 58" "248 58" "145 100"; do
    near "$(at $point)" "0 128 128" 0 || fail "logo at $point: $(at $point)"
done
near "$(at 155 238)" "177 232 179" 30 && fail "no button face at 155 238"

# The button opens the site and the window stays.
xdotool mousemove $((cx + 200)) $((cy + 226)) click 1
for _ in $(seq 200); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "https://kestrova.example/?utm_source=About" ] ||
    fail "browser got '$(cat "$work/opened" 2>/dev/null)'"
probe window >/dev/null || fail "the window went with the click"

# WM_CLOSE ends the process with 0.
probe close || fail "could not ask the window to close"
wait "$runner"; rc=$?
[ "$rc" = 0 ] || fail "close: exit $rc"

# Neither class nor window: both failures are reported, then the process ends with 0.
timeout 60 wine "$TEST_BIN/about_failures.exe" & runner=$!
for expected in "Window Registration Failed!" "Window Creation Failed!"; do
    texts=
    for _ in $(seq 100); do texts=$(probe box) && break; sleep 0.2; done
    grep -qF "$expected" <<<"$texts" || fail "box '$texts', expected '$expected'"
    sleep 0.5
done
wait "$runner"; rc=$?
[ "$rc" = 0 ] || fail "after the failures: exit $rc"
echo PASS
