#!/usr/bin/env bash
# Two heads side by side without RandR monitors (Xephyr with Xinerama, no window
# manager), where the windowing library sees one monitor the size of the whole screen
# and leaves its position to chance: in ten starts of "/s" the picture lies exactly on
# the first head and shows there, a cover lies over the second and none over the picture.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xephyr.sh"
start_xephyr_heads 1280x720+0+0 1024x768+1280+0 || exit 1
. "$TEST_TOOLS/monitor-covers.sh"

for run in $(seq 10); do
    timeout 60 "$ONDALITH" /s >/dev/null &
    pid=$!
    wait_for_cover 1024x768+1280+0 30 || fail "start $run: no cover over the second head (covers: $(covers))"
    check_picture_on 1280x720+0+0 30
    xdotool key x
    ends_cleanly "$pid" "a key (start $run)" 10
done
echo "ok: ten starts, each with the picture on the first head and a cover on the second"
