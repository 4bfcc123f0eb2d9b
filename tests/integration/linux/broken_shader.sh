#!/usr/bin/env bash
# A shader that does not compile shows its info log, then the notice for its stage
# (caption "Debug"), and the process ends with 0; after a broken vertex shader the
# fragment shader is never compiled.
set -u
. "$TEST_TOOLS/xvfb.sh"
start_xvfb 640x480x24 || exit 1

for stage in vertex fragment; do
    case $stage in
        vertex) notice="Debug: Vertex shader compilation error"; wanted=1 ;;
        fragment) notice="Debug: Fragment shader compilation error"; wanted=2 ;;
    esac
    err=$(mktemp)
    out=$(timeout 60 "$TEST_BIN/broken_shader_program" $stage 2>"$err"); status=$?
    lines=$(grep -v '^$' "$err"); rm -f "$err"
    [ "$status" -eq 0 ] || fail "$stage: exit $status"
    [ "$(tail -n 1 <<<"$lines")" = "$notice" ] || fail "$stage: last line is not '$notice': $lines"
    first=$(head -n 1 <<<"$lines")
    [[ "$first" == "Debug: "*[Ee]rror* && "$first" != "$notice" ]] || fail "$stage: no info log before the notice: $lines"
    [ "$(grep -c 'shader compilation error' <<<"$lines")" -eq 1 ] || fail "$stage: more than one notice: $lines"
    [ "$out" = "shaders compiled: $wanted" ] || fail "$stage: stdout '$out', wanted $wanted compiled"
    echo "ok: $stage: log, then '$notice', exit 0, $wanted shader(s) compiled"
done
