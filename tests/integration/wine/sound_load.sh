#!/usr/bin/env bash
# The click loads into Wine's DirectSound when ALSA has a (null) default device, and the
# load fails cleanly when there is none.
set -u
. "$TEST_TOOLS/xvfb.sh"

probe="$TEST_BIN/sound_probe.exe"
[ -f "$probe" ] || fail "no $probe"
. "$TEST_TOOLS/wine-env.sh"
wine_test_begin 640x480x24
# wine_env's HOME has the null ALSA device; a second HOME has none.
without_alsa="$BUILD_DIR/winehome-no-alsa"
mkdir -p "$without_alsa"
rm -f "$without_alsa/.asoundrc"

# run HOME-DIR: the probe's output; the server is restarted so that ALSA reads this HOME.
run() {
    timeout 20 wineserver -k 2>/dev/null
    HOME="$1" timeout 60 wine "$probe" 2>/dev/null | tr -d '\r'
}

with=$(run "$HOME")
echo "with a null ALSA device: $with"
grep -qx 'load 1' <<<"$with" || fail "the click did not load with a null ALSA device"

without=$(run "$without_alsa")
echo "without an ALSA device: $without"
grep -qx 'load 0' <<<"$without" || fail "the load did not fail without an ALSA device"
echo "PASS"
