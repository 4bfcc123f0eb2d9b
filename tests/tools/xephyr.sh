# Heads side by side that RandR knows nothing of: Xephyr nested in Xvfb, its screens
# joined by Xinerama. RandR there answers with no CRTC and a single monitor the size of
# the first head, and the windowing library sees one monitor as large as the whole
# screen. Source after xvfb.sh. start_xephyr_heads WxH+X+Y ... starts the outer server
# (2400x900) and Xephyr on free displays, one screen per head, exports DISPLAY (Xephyr)
# and OUTER_DISPLAY, and stops both when the script exits. What the heads show is read
# from the outer server: a read of the joined root answers with shifted rows.

start_xephyr_heads() {
    start_xvfb 2400x900x24 || return 1
    OUTER_DISPLAY=$DISPLAY
    local fifo number head screens=()
    for head in "$@"; do screens+=(-screen "$head"); done
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xephyr -displayfd 3 +xinerama "${screens[@]}" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XEPHYR_PID=$!
    trap 'stop_xephyr; stop_xvfb' EXIT
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        echo "Xephyr did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number" PIXEL_DISPLAY=$OUTER_DISPLAY
}

stop_xephyr() {
    [ -n "${XEPHYR_PID:-}" ] && kill "$XEPHYR_PID" 2>/dev/null && wait "$XEPHYR_PID" 2>/dev/null
    XEPHYR_PID=
}
