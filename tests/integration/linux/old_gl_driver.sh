#!/usr/bin/env bash
# A driver below OpenGL 4.2 (Mesa told to offer 3.3 or 2.1): full screen, one notice that
# says which version the saver needs and which the driver offers, then exit 0 without a
# crash; hosted, no notice, and exit 0 once the host's window goes.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

for version in 3.3COMPAT 2.1; do
    offered=${version%COMPAT}
    export MESA_GL_VERSION_OVERRIDE=$version
    said=$(timeout 30 "$ONDALITH" /s 2>&1 >/dev/null); status=$?
    [ "$status" -eq 0 ] || fail "$version, full screen: exit $status: $said"
    [ "$said" = "Debug: Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL $offered." ] ||
        fail "$version, full screen: said '$said'"
    echo "ok: $version, full screen: the notice, exit 0"

    coproc HOST { timeout 60 "$TEST_BIN/x11_host_window" 320x240; }
    read -r host <&"${HOST[0]}"
    err=$(mktemp)
    timeout 30 "$ONDALITH" --window-id "$host" 2>"$err" & saver=$!
    sleep 2
    kill -0 "$saver" 2>/dev/null || fail "$version, hosted: ended before its host went: $(cat "$err")"
    echo >&"${HOST[1]}"  # the host destroys its window
    ends_cleanly "$saver" "$version, hosted: the host's window going"
    [ ! -s "$err" ] || fail "$version, hosted: said '$(cat "$err")'"
    rm -f "$err"
    kill "$HOST_PID" 2>/dev/null; wait "$HOST_PID" 2>/dev/null
    echo "ok: $version, hosted: nothing said, exit 0 once the host's window went"
done
