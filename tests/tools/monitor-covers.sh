# Checks of a full-screen saver on several monitors, shared by the Linux and the Wine
# tests; source after xvfb.sh and xorg-dummy.sh (or xephyr.sh), with the monitors in
# place. The root is painted magenta first, so that only a cover shows black beside the
# picture. The scenarios at the end start the saver with start_saver: "/s" in the
# background under timeout, under Wine where the test made a prefix; it sets pid.
# DEADLINE is how long a first frame may take (30 s; 60 s under Wine, which starts slower).

/usr/bin/xsetroot -solid '#ff00ff'
MAGENTA="255 0 255"
BLACK="0 0 0"
[ -n "${WINEPREFIX:-}" ] && : "${DEADLINE:=60}"

start_saver() {
    if [ -n "${WINEPREFIX:-}" ]; then
        timeout 120 wine "$ONDALITH" /s &
    else
        timeout 120 "$ONDALITH" /s >/dev/null &
    fi
    pid=$!
}

# geometry WINDOW: WxH+X+Y of a window on the screen
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}'
}

# covers: the ids of the saver's visible covers, one a line
covers() { xdotool search --onlyvisible --name '^Ondalith Screensaver cover$' 2>/dev/null; }

# wait_for_cover PLACE [SECONDS]: true once a cover lies exactly over PLACE
wait_for_cover() {
    local end=$((SECONDS + ${2:-30})) id
    while [ "$SECONDS" -lt "$end" ]; do
        for id in $(covers); do [ "$(geometry "$id")" = "$1" ] && return 0; done
        sleep 0.2
    done
    return 1
}

# middle PLACE: "X Y" of the centre of WxH+X+Y
middle() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$1"
    echo "$((x + w / 2)) $((y + h / 2))"
}

# overlaps PLACE PLACE: true when the two WxH+X+Y share a pixel
overlaps() {
    local aw ah ax ay bw bh bx by
    IFS='x+' read -r aw ah ax ay <<<"$1"
    IFS='x+' read -r bw bh bx by <<<"$2"
    [ $((ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah)) = 1 ]
}

# shows_picture X Y: the pixel is neither a cover's black nor the magenta root
shows_picture() {
    local colour
    colour=$(pixel "$1" "$2")
    ! near "$colour" "$BLACK" 40 && ! near "$colour" "$MAGENTA" 40
}

# check_picture_on PLACE [SECONDS]: the saver's window comes to lie exactly on PLACE,
# its centre shows the picture and no cover lies over any of it.
check_picture_on() {
    local end=$((SECONDS + ${2:-30})) win= at=none id
    while [ "$SECONDS" -lt "$end" ]; do
        win=$(xdotool search --onlyvisible --name '^Ondalith Screensaver$' 2>/dev/null | head -n 1)
        [ -n "$win" ] && at=$(geometry "$win")
        [ "$at" = "$1" ] && shows_picture $(middle "$1") && break
        sleep 0.3
    done
    [ "$at" = "$1" ] || fail "the saver's window is at $at, not on $1"
    shows_picture $(middle "$1") || fail "the middle of $1 shows $(pixel $(middle "$1")), not the picture"
    for id in $(covers); do
        overlaps "$(geometry "$id")" "$1" && fail "a cover at $(geometry "$id") lies over the picture on $1"
    done
    return 0
}

# check_covered_desk PRIMARY OTHER [SECONDS]: the saver's window fills the primary monitor
# and shows its picture there; a black cover of its own lies over the other monitor.
check_covered_desk() {
    wait_for_window '^Ondalith Screensaver$' "${3:-30}" >/dev/null
    wait_for_cover "$2" "${3:-30}" || fail "no cover over the other monitor $2 (covers: $(covers))"
    [ "$(covers | wc -l)" -eq 1 ] || fail "more than one cover: $(covers)"
    check_picture_on "$1" "${3:-30}"
    local on_other
    on_other=$(pixel $(middle "$2"))
    near "$on_other" "$BLACK" 0 || fail "the other monitor shows $on_other, not black"
    echo "ok: the picture on the primary $1, a black cover on $2"
}

# check_cover_follows_monitor OTHER: output DUMMY1 goes away and its cover with it; back
# again, it is covered again.
check_cover_follows_monitor() {
    place_output 1 off || fail "xrandr could not take the monitor away"
    local end=$((SECONDS + 30))
    while [ -n "$(covers)" ] && [ "$SECONDS" -lt "$end" ]; do sleep 0.2; done
    [ -z "$(covers)" ] || fail "the cover stayed after its monitor went away"
    echo "ok: the cover closes when its monitor goes away"
    place_output 1 "$1" || fail "xrandr could not bring the monitor back"
    wait_for_cover "$1" 30 || fail "no cover over the monitor plugged in again"
    echo "ok: a monitor plugged in while the saver runs is covered"
}

# check_click_on_cover_ends PID OTHER: moving the pointer over the cover leaves the saver
# running; a click there ends it with 0 and no window of it remains.
check_click_on_cover_ends() {
    local pid=$1
    read -r x y <<<"$(middle "$2")"
    xdotool mousemove "$x" "$y" sleep 0.3 mousemove $((x + 40)) $((y + 30))
    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "motion over the cover ended the saver"
    echo "ok: motion over the cover leaves the saver running"
    xdotool click 1
    ends_cleanly "$pid" "a click on the cover" 10
    echo "ok: a click on the cover ends the saver with 0 and takes every window with it"
}

# check_clone_and_grown_mode: a larger clone of the primary (800x600 mirroring a 640x480
# primary, as a projector does) is covered only around the picture, and a click on that
# cover ends the saver with 0. Then, on the primary alone, its mode grows while the
# saver runs: the picture grows with it, and a click where it grew ends the saver with 0.
# Needs DUMMY0 at 640x480+0+0 and DUMMY1 at 800x600+0+0.
check_clone_and_grown_mode() {
    start_saver
    check_picture_on 640x480+0+0 "${DEADLINE:-30}"
    wait_for_cover 800x120+0+480 10 || fail "no cover below the picture on the clone (covers: $(covers))"
    wait_for_cover 160x480+640+0 10 || fail "no cover beside the picture on the clone (covers: $(covers))"
    echo "ok: the picture on the primary, covers on the rest of its larger clone"
    check_click_on_cover_ends "$pid" 800x120+0+480

    place_output 1 off || fail "xrandr could not take the clone away"
    start_saver
    check_picture_on 640x480+0+0 "${DEADLINE:-30}"
    place_output 0 800x600+0+0 || fail "xrandr could not change the primary's mode"
    check_picture_on 800x600+0+0 20
    echo "ok: the picture follows its monitor's mode from 640x480 to 800x600"
    xdotool mousemove 720 540 click 1
    ends_cleanly "$pid" "a click where the monitor grew" 10
    echo "ok: a click there ends the saver with 0"
}

# check_picture_monitor_lost: the primary is switched off and the other monitor moved to
# 0,0 and made primary: the picture moves there, full screen and uncovered, and a key
# ends the saver with 0. Started again on that monitor alone, the saver ends by itself
# with 0 once it too goes. Needs DUMMY0 at 640x480+0+0 and DUMMY1 at 800x600+640+0.
check_picture_monitor_lost() {
    start_saver
    check_covered_desk 640x480+0+0 800x600+640+0 "${DEADLINE:-30}"
    xrandr --output DUMMY0 --off --output DUMMY1 --pos 0x0 --primary && probe_outputs ||
        fail "xrandr could not switch the primary off"
    check_picture_on 800x600+0+0 20
    echo "ok: the picture moves to the remaining monitor, uncovered"
    kill -0 "$pid" 2>/dev/null || fail "the saver ended when its monitor went away"
    xdotool key x
    ends_cleanly "$pid" "a key on the moved picture" 10
    echo "ok: a key ends it with 0"

    start_saver
    check_picture_on 800x600+0+0 "${DEADLINE:-30}"
    place_output 1 off || fail "xrandr could not switch the last monitor off"
    ends_cleanly "$pid" "the last monitor going away" 20
    echo "ok: with no monitor left the saver ends with 0"
}
