#!/usr/bin/env bash
# A broken vertex shader: two boxes captioned "Debug" (the info log, then the notice),
# exit 0 once both are dismissed, and the fragment shader never compiled.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
start_xvfb 1280x720x24 || exit 1
wine_env
trap 'wine_stop; stop_xvfb' EXIT

out=$(mktemp)
timeout 120 wine "$TEST_BIN/broken_shader_program.exe" vertex >"$out" 2>/dev/null &
pid=$!
for n in 1 2; do
    box=$(wait_for_window '^Debug$' 60) || true
    [ -n "$box" ] || fail "box $n did not come"
    xdotool windowfocus "$box"; sleep 0.3; xdotool key Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Debug$' 2>/dev/null | grep -qx "$box" || break
        sleep 0.1
    done
done
wait "$pid"; status=$?
compiled=$(tr -d '\r' <"$out"); rm -f "$out"
[ "$status" -eq 0 ] || fail "exit $status after the boxes"
[ "$compiled" = "shaders compiled: 1" ] || fail "stdout '$compiled', wanted one shader compiled"
echo "ok: log box, notice box, exit 0, fragment shader never compiled"
