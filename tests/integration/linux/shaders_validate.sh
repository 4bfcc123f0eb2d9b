#!/usr/bin/env bash
# The shader texts compile and link as GLSL for their stages. The saver reads each
# text only up to its "~" marker, so the validator sees the same cut text.
set -u
here=$(cd "$(dirname "$0")/../../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cut_text() {  # resource file -> text before the first "~"
    local text
    text=$(cat "$here/resources/$1")
    printf '%s' "${text%%~*}" >"$work/$2"
}

grep -q $'\r$' "$here/resources/cube_vertex.glsl" || { echo "FAIL: shader texts need CR LF line ends" >&2; exit 1; }
status=0
for pair in cube background fps_box; do
    cut_text "${pair}_vertex.glsl" "$pair.vert"
    cut_text "${pair}_fragment.glsl" "$pair.frag"
    # Each stage alone, then both linked as one program.
    if ! timeout 60 glslangValidator "$work/$pair.vert" || ! timeout 60 glslangValidator "$work/$pair.frag" \
        || ! timeout 60 glslangValidator -l "$work/$pair.vert" "$work/$pair.frag"; then
        echo "FAIL: $pair shaders" >&2
        status=1
    fi
done
for f in cube_vertex cube_fragment background_vertex background_fragment fps_box_vertex fps_box_fragment; do
    [ "$(tail -c 5 "$here/resources/$f.glsl" | od -An -c | tr -d ' ')" = '//~\r\n' ] \
        || { echo "FAIL: $f.glsl must end with the line //~" >&2; status=1; }
done
exit $status
