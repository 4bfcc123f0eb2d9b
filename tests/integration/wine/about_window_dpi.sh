#!/usr/bin/env bash
# The About window under Wine at the prefix's resolution (LogPixels of HKCU\Control
# Panel\Desktop, in a private copy of the prefix): at 96 the client area of the fixed
# 400 x 300 window; at 192 twice that client area, with texts twice as tall, measured
# from screenshots.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"

work=$(mktemp -d)
wine_test_begin 1920x1080x24
trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT
wine_private_prefix "$work/prefix" || fail "no private prefix"

probe() { timeout 30 wine "$TEST_BIN/about_probe.exe" "$@" | tr -d '\r'; }

# measure DPI SCALE: shows the window at that resolution, prints "CLIENT-W CLIENT-H TITLE
# CREDITS" (the texts' heights in rows) and closes it.
measure() {
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null ||
        fail "reg add"
    wine_stop  # read again when Wine next starts
    timeout 120 wine "$ONDALITH" /c & local runner=$!
    [ -n "$(wait_for_window '^About$' 60)" ] || fail "no About window at $1 dpi"
    sleep 2  # painted
    local x y w h cx cy cw ch style
    read -r x y w h cx cy cw ch style <<<"$(probe window)" || fail "no window of class KestrovaWindowClass"
    import -window root "$work/shot-$1.png"
    echo "$cw $ch $(python3 "$TEST_TOOLS/about_text_rows.py" "$work/shot-$1.png" "$cx" "$cy" "$cw" "$ch" "$2")"
    probe close || fail "could not close the window"
    wait "$runner"
}

read -r cw ch title credits <<<"$(measure 96 1)"
echo "at 96 dpi: client ${cw}x$ch; title $title rows, credits $credits rows"
[ "$title" -gt 8 ] && [ "$credits" -gt 30 ] || fail "no texts found: title $title rows, credits $credits rows"
read -r cw2 ch2 title2 credits2 <<<"$(measure 192 2)"
echo "at 192 dpi: client ${cw2}x$ch2; title $title2 rows, credits $credits2 rows"
[ "$cw2 $ch2" = "$((2 * cw)) $((2 * ch))" ] || fail "client area ${cw2}x$ch2 at 192 dpi, ${cw}x$ch at 96"
why=$(python3 "$TEST_TOOLS/about_text_rows.py" --twice "$title" "$credits" "$title2" "$credits2") || fail "$why"
echo PASS
