#!/usr/bin/env bash
# Where no sound device answers (a stand-in dsound.dll that always says "no driver"), "/s"
# retries the device for 4.5 s after its window exists. Meanwhile the window answers a
# message within 1 s, and a key ends the saver with 0 in the pause it comes in, not after
# the last attempt.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24
work=$(mktemp -d)
trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT

cp "$ONDALITH" "$TEST_BIN/no_sound_device/dsound.dll" "$work/"
: >"$work/attempts"
ONDALITH_SOUND_LOG=$(winepath -w "$work/attempts") || fail "winepath"
export ONDALITH_SOUND_LOG WINEDLLOVERRIDES="$WINEDLLOVERRIDES;dsound=n"
attempts() { wc -l <"$work/attempts"; }

timeout 120 wine "$work/$(basename "$ONDALITH")" /s &
pid=$!
win=$(wait_for_window '^Ondalith Screensaver$' 60) || true
[ -n "$win" ] || fail "no saver window"
for _ in $(seq 600); do [ "$(attempts)" -gt 0 ] && break; sleep 0.05; done
[ "$(attempts)" -gt 0 ] || fail "the saver never asked the stand-in for a device"

answer=$(timeout 30 wine "$TEST_BIN/window_answers.exe" "Ondalith Screensaver" 1000 | tr -d '\r') ||
    fail "the window did not answer within 1 s during the retries ($answer, attempt $(attempts))"
echo "ok: during the retries the window $answer"

xdotool windowfocus "$win" key space
sent=$(attempts)
[ "$sent" -lt 10 ] || fail "the retries were over before the key was sent; nothing was tested"
ends_cleanly "$pid" "a key during the retries" 30
[ "$(attempts)" -le $((sent + 1)) ] || fail "the key, sent at attempt $sent, ended the saver only after attempt $(attempts)"
echo "ok: a key at attempt $sent of 10 ended the saver with 0 after attempt $(attempts)"
