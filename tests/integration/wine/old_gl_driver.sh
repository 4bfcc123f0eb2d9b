#!/usr/bin/env bash
# A driver below OpenGL 4.2 (Mesa, which Wine's GL goes through, told to offer 3.3 or
# 2.1): full screen, one box captioned "Debug" that says which version the saver needs
# and which the driver offers, exit 0 once it is dismissed, no crash dialog; a preview
# shows no box and ends with 0 when its host lets it go.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin

for version in 3.3COMPAT 2.1; do
    offered=${version%COMPAT}
    export MESA_GL_VERSION_OVERRIDE=$version
    log=$(mktemp)
    # The message box's own trace gives its text.
    WINEDEBUG=-all,trace+msgbox timeout 120 wine "$ONDALITH" /s >/dev/null 2>"$log" & pid=$!
    box=$(wait_for_window '^Debug$' 60) || true
    [ -n "$box" ] || fail "$version: no box"
    xdotool windowfocus "$box"; sleep 0.3; xdotool key Return
    wait "$pid"; status=$?
    texts=$(grep -o 'MSGBOX_OnInit .*' "$log"); rm -f "$log"
    [ "$status" -eq 0 ] || fail "$version: exit $status after the box (a second box, or a crash?)"
    [ "$texts" = "MSGBOX_OnInit L\"Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL $offered.\"" ] ||
        fail "$version: boxes said: $texts"
    [ -z "$(xdotool search --name '^Program Error$' 2>/dev/null)" ] || fail "$version: a crash dialog"
    echo "ok: $version, full screen: one box with both versions, exit 0, no crash dialog"

    out=$(timeout 120 wine "$TEST_BIN/win_preview_host.exe" "$(winepath -w "$ONDALITH")" churn 2) ||
        fail "$version, preview: $out"
    echo "ok: $version, preview: no box, exit 0 when the host lets it go"
done
