#!/usr/bin/env bash
# The click loads into Wine's DirectSound when ALSA has a (null) default device, and the
# load fails cleanly when there is none. Private HOMEs and Wine prefix in the build tree.
set -u
. "$TEST_TOOLS/xvfb.sh"

probe="$TEST_BIN/sound_probe.exe"
[ -f "$probe" ] || fail "no $probe"
work="$BUILD_DIR/wine-sound"
mkdir -p "$work/home-null" "$work/home-none"
printf 'pcm.!default { type null }\n' > "$work/home-null/.asoundrc"
rm -f "$work/home-none/.asoundrc"

export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 640x480x24 || exit 1
trap 'timeout 20 wineserver -k 2>/dev/null; stop_xvfb' EXIT

if [ ! -f "$WINEPREFIX/.ready" ]; then
    HOME="$work/home-null" timeout 180 wineboot -i >/dev/null 2>&1
    HOME="$work/home-null" timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    HOME="$work/home-null" timeout 60 wineserver -w
    touch "$WINEPREFIX/.ready"
fi

# run HOME-DIR: the probe's output; the server is restarted so that ALSA reads this HOME.
run() {
    timeout 20 wineserver -k 2>/dev/null
    HOME="$1" timeout 60 wine "$probe" 2>/dev/null | tr -d '\r'
}

with=$(run "$work/home-null")
echo "with a null ALSA device: $with"
grep -qx 'load 1' <<<"$with" || fail "the click did not load with a null ALSA device"

without=$(run "$work/home-none")
echo "without an ALSA device: $without"
grep -qx 'load 0' <<<"$without" || fail "the load did not fail without an ALSA device"
echo "PASS"
