#!/usr/bin/env bash
# SIGTERM at 25 points of a "/s" saver's first 2 seconds, from the moment it runs (GL
# start-up, scene set-up, the first frames): every run ends with exit code 0 and writes
# nothing on stderr but the model reader's progress lines.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/saver-process.sh"
start_xvfb 320x240x24 || exit 1
work=$(mktemp -d)
slowest=0
for i in $(seq 0 24); do
    ms=$((i * 80))
    timeout 30 "$ONDALITH" /s >/dev/null 2>"$work/err" &
    runner=$!
    pid=$(child_of "$runner") && wait_until_running "$pid" || fail "run $i: the saver did not start"
    sleep "$(printf '%d.%03d' $((ms / 1000)) $((ms % 1000)))"
    kill -TERM "$pid"
    sent=$(date +%s%N)
    wait "$runner"; status=$?
    took=$(( ($(date +%s%N) - sent) / 1000000 ))
    (( took > slowest )) && slowest=$took
    [ "$status" -eq 0 ] || fail "SIGTERM ${ms} ms after start: exit $status"
    noise=$(tr '\r' '\n' <"$work/err" | grep -v -E '^(- .*)?$')
    [ -z "$noise" ] || fail "SIGTERM ${ms} ms after start: stderr: $noise"
done
echo "ok: 25 runs stopped 0-1920 ms after start, each with exit 0 and a quiet stderr (slowest end: $slowest ms)"
rm -rf "$work"
