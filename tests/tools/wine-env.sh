# Wine for tests: source this file after xvfb.sh. One 32-bit prefix per build tree,
# made once (wineboot takes 5-20 s) and shared by the tests of that build; its window
# manager hand-off is switched off so that closed windows don't wait 2 s each.

wine_env() {
    local build=${BUILD_DIR:?BUILD_DIR must name the build tree}
    export WINEPREFIX="$build/wineprefix"
    export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME="${WINE_HOME:-$build/winehome}"
    mkdir -p "$HOME"
    # DirectSound needs an ALSA device to open; a null one keeps the saver silent.
    [ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.ondalith-ready" ]; then
            timeout 180 wineboot -i >/dev/null 2>&1
            timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            timeout 60 wineserver -w
            touch "$WINEPREFIX/.ondalith-ready"
        fi
    ) 9>"$build/.wineprefix.lock"
}

# Ends this prefix's Wine processes (a test's leftovers must not outlive it).
wine_stop() {
    timeout 20 wineserver -k 2>/dev/null || true
}

# The usual start of a Wine test script: an X server, the prefix, and cleanup of both.
wine_test_begin() {
    start_xvfb "${1:-${XVFB_SCREEN:-1280x720x24}}" || exit 1
    wine_env
    trap 'wine_stop; stop_xvfb' EXIT
}
