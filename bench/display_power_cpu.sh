#!/usr/bin/env bash
# The saver's CPU time with the display on, then off, in one run: full screen ("/s") under
# a private Xvfb, the display's power level played by tests/tools/dpms_shim.c (Xvfb has no
# DPMS), everything else the real saver. Prints the process's CPU seconds (all threads,
# the GL driver's included), its presented frames (Mesa's HUD) and the main thread's
# voluntary context switches over each span.
#   bash bench/display_power_cpu.sh [SECONDS] [BUILD_DIR]     (60 s each; build/linux)
set -u
span=${1:-60}
build=$(cd "${2:-build/linux}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tests/tools/xvfb.sh"
. "$here/tests/tools/saver-process.sh"
start_xvfb 1280x720x24 || exit 1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT

echo on >"$work/level"
ONDALITH_DPMS_FILE="$work/level" LD_PRELOAD="$build/tests/libondalith_dpms_shim.so" \
    GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$work" GALLIUM_HUD_PERIOD=1 \
    timeout $((3 * span + 120)) "$build/ondalith" /s >/dev/null &
pid=$!
saver=$(child_of "$pid") || { echo "the saver did not start" >&2; exit 1; }
for _ in $(seq 600); do [ -s "$work/fps" ] && break; sleep 0.1; done  # the first frames
sleep 5

ticks=$(getconf CLK_TCK)
cpu() { awk -v t="$ticks" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$saver/stat"; }
wakes() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$saver/task/$saver/status"; }
frames() { awk '{ s += $1 } END { printf "%d", s }' "$work/fps"; }

measure() {  # LABEL: one span
    local c0 w0 f0 c1 w1 f1
    c0=$(cpu) w0=$(wakes) f0=$(frames)
    sleep "$span"
    c1=$(cpu) w1=$(wakes) f1=$(frames)
    printf '%-12s %6s s CPU   %6s frames   %6s voluntary switches of the main thread   over %s s\n' "$1" \
        "$(awk -v a="$c0" -v b="$c1" 'BEGIN { printf "%.2f", b - a }')" $((f1 - f0)) $((w1 - w0)) "$span"
}

measure "display on"
echo off >"$work/level"
sleep 2  # a lit display is asked once a second
measure "display off"
kill -TERM "$saver"
wait "$pid"
echo "exit code $?"
