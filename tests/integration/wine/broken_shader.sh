#!/usr/bin/env bash
# A broken vertex shader: two boxes captioned "Debug" (the info log, then the notice
# "Vertex shader compilation error"), exit 0 once both are dismissed, and the fragment
# shader never compiled.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin

out=$(mktemp) log=$(mktemp)
# The message box's own trace gives each box's text.
WINEDEBUG=-all,trace+msgbox timeout 120 wine "$TEST_BIN/broken_shader_program.exe" vertex >"$out" 2>"$log" &
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
texts=$(grep -o 'MSGBOX_OnInit .*' "$log"); rm -f "$log"
[ "$status" -eq 0 ] || fail "exit $status after the boxes"
[ "$(grep -c . <<<"$texts")" -eq 2 ] || fail "not two boxes: $texts"
[ "$(tail -n 1 <<<"$texts")" = 'MSGBOX_OnInit L"Vertex shader compilation error"' ] || fail "the notice said: $texts"
[[ "$(head -n 1 <<<"$texts")" == *[Ee]rror* && "$(head -n 1 <<<"$texts")" != *"shader compilation"* ]] ||
    fail "the first box is no info log: $texts"
[ "$compiled" = "shaders compiled: 1" ] || fail "stdout '$compiled', wanted one shader compiled"
echo "ok: log box, notice box, exit 0, fragment shader never compiled"
