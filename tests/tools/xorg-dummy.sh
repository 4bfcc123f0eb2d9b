# An X server whose monitors stand side by side as RandR outputs, which both the windowing
# library and Wine read: Xorg with the dummy video driver. (Xephyr with +xinerama places
# heads side by side too, but without RandR outputs: both see a single monitor there.)
# Source after xvfb.sh. start_xorg_dummy WxH+X+Y ... starts it on a free display
# (-displayfd), exports DISPLAY, gives output DUMMY<i> the i-th size and place (the first
# one primary) and stops the server when the script exits. It runs with a configuration
# of its own (Xorg takes one by absolute path from root only, as the tests run) and no
# input devices; xdotool reaches it through XTEST.

start_xorg_dummy() {
    XORG_DIR=$(mktemp -d)
    cat >"$XORG_DIR/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 4096 2048
  EndSubSection
EndSection
CONF
    mkdir -p "$XORG_DIR/conf.d"
    mkfifo "$XORG_DIR/fd"
    Xorg -config "$XORG_DIR/xorg.conf" -configdir "$XORG_DIR/conf.d" -logfile "$XORG_DIR/log" \
        -displayfd 3 -nolisten tcp -noreset -novtswitch -sharevts 3>"$XORG_DIR/fd" >/dev/null 2>&1 &
    XORG_PID=$!
    trap stop_xorg_dummy EXIT
    local number
    if ! read -r -t 30 number <"$XORG_DIR/fd"; then
        echo "Xorg did not start: $(tail -n 5 "$XORG_DIR/log" 2>/dev/null)" >&2
        return 1
    fi
    XORG_NUMBER=$number
    export DISPLAY=":$number"
    local i=0 head
    for head in "$@"; do
        place_output "$i" "$head" || return 1
        i=$((i + 1))
    done
}

# place_output I WxH+X+Y | off: connects output DUMMY<I> with that size and place, or
# takes it away, as plugging a monitor in or out would. The size must be one of the
# driver's own modes (1280x720, 1024x768, 800x600, 640x480 ...).
place_output() {
    local output="DUMMY$1"
    if [ "$2" = off ]; then
        xrandr --output "$output" --off && probe_outputs
        return
    fi
    local size=${2%%+*} x y
    IFS=+ read -r _ x y <<<"$2"
    xrandr --addmode "$output" "$size" 2>/dev/null || true
    local primary=
    [ "$1" = 0 ] && primary=--primary
    xrandr --output "$output" --mode "$size" --pos "${x:-0}x${y:-0}" $primary && probe_outputs
}

# The driver calls an output connected once it has a mode, but says so only after a
# full probe; clients that read the current state (Wine) would see it disconnected.
probe_outputs() {
    xrandr >/dev/null
}

# wine_dummy_begin MONITOR...: the start of a Wine test on such a server (after xvfb.sh
# and wine-env.sh): the server, the prefix, and cleanup of both.
wine_dummy_begin() {
    wine_check_width
    start_xorg_dummy "$@" || exit 1
    wine_env
    trap 'wine_stop; stop_xorg_dummy' EXIT
}

stop_xorg_dummy() {
    [ -n "${XORG_PID:-}" ] && kill "$XORG_PID" 2>/dev/null && wait "$XORG_PID" 2>/dev/null
    # Xorg leaves its socket behind; it is ours, so it goes too.
    [ -n "${XORG_NUMBER:-}" ] && rm -f "/tmp/.X11-unix/X$XORG_NUMBER"
    XORG_PID= XORG_NUMBER=
    [ -n "${XORG_DIR:-}" ] && rm -rf "$XORG_DIR"
}
