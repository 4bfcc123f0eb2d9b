#!/usr/bin/env bash
# The manual page is clean for mandoc's and groff's checkers, and it covers every
# switch that --help lists.
set -u
. "$TEST_TOOLS/xvfb.sh"
page="$(cd "$(dirname "$0")/../../.." && pwd)/resources/xscreensaver/ondalith.6"

lint=$(mandoc -T lint -W warning "$page" 2>&1) || fail "mandoc: $lint"
[ -z "$lint" ] || fail "mandoc: $lint"
lint=$(groff -ww -z -mandoc "$page" 2>&1)
[ -z "$lint" ] || fail "groff: $lint"
echo "ok: no warnings"

text=$(mandoc -T ascii "$page" | col -b)
switches=$(timeout 10 "$ONDALITH" --help | grep -oE '(^| )(--[a-z-]+|/[a-z])' | sort -u)
[ -n "$switches" ] || fail "--help lists no switches"
for s in $switches; do
    grep -qF -- "$s" <<<"$text" || fail "the page does not mention $s"
done
for section in NAME SYNOPSIS DESCRIPTION ENVIRONMENT "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$section" <<<"$text" || fail "no $section section"
done
grep -q 'xscreensaver(1)' <<<"$text" && grep -q 'xscreensaver-settings(1)' <<<"$text" || fail "see also"
echo "ok: covers $(echo $switches)"
