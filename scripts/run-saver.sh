#!/usr/bin/env bash
# Builds the Linux saver and runs it full screen ("/s") on $DISPLAY. Without a usable
# display it runs under a private Xvfb for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh linux -- --target ondalith
saver=build/linux/ondalith

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$saver" /s
fi

. tests/tools/xvfb.sh
start_xvfb 1280x720x24
seconds=${ONDALITH_SECONDS:-8}
echo "No display: running the saver under Xvfb ($DISPLAY) for $seconds s"
timeout $((seconds + 30)) "$saver" /s &
pid=$!
sleep "$seconds"
shot="$PWD/build/linux/screenshot.png"
import -window root "$shot"
xdotool key Escape >/dev/null 2>&1 || kill "$pid"
wait "$pid" || true
echo "Screenshot after $seconds s: $shot"
