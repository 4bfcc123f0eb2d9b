#!/usr/bin/env bash
# Every GL function the saver's code calls is in the list that is checked against the
# driver at start-up; one missing there would be called through a null pointer on a
# driver without it. Reads the sources only: no display, no build of a kind.
set -u
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
root=$(cd "$(dirname "$0")/../../.." && pwd)
list=$(grep -o 'ONDALITH_ENTRY(gl[A-Za-z0-9]*)' "$root/render/gl_driver.cpp" | sed 's/.*(\(.*\))/\1/' | sort -u)
called=$(cd "$root" && grep -rhoE '\bgl[A-Z][A-Za-z0-9]*\(' app render mesh scene sound platform about |
    tr -d '(' | grep -v '^glGetGraphicsResetStatus$' | sort -u)
[ -n "$list" ] && [ -n "$called" ] || fail "nothing found"
unlisted=$(comm -23 <(echo "$called") <(echo "$list"))
[ -z "$unlisted" ] || fail "called but not checked: $unlisted"
echo "ok: $(wc -l <<<"$called") GL functions called, each checked"
