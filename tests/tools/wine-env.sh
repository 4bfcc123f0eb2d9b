# Wine for tests: source this file after xvfb.sh. One prefix per build tree, of the
# build's width (WINE_ARCH: win32 or win64, set by CTest), made once (wineboot takes
# 5-20 s) and shared by the tests of that build; its window manager hand-off is
# switched off so that closed windows don't wait 2 s each.

# Exit code by which a test tells CTest that it was skipped (SKIP_RETURN_CODE).
WINE_SKIP=77

# Whether this host runs 32-bit programs, which 32-bit Wine needs: some kernels run
# none at all. scripts/test-all.sh asks once and passes the answer on in
# ONDALITH_HOST_RUNS_32BIT; ONDALITH_NO_32BIT=1 makes any host answer no.
host_runs_32bit() {
    [ "${ONDALITH_NO_32BIT:-0}" = 1 ] && return 1
    case "${ONDALITH_HOST_RUNS_32BIT:-}" in
        yes) return 0 ;;
        no) return 1 ;;
    esac
    timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why 32-bit tests are skipped, in one line.
no_32bit_reason() {
    if [ "${ONDALITH_NO_32BIT:-0}" = 1 ]; then
        echo "ONDALITH_NO_32BIT=1 treats this host as one that runs no 32-bit programs"
    else
        echo "this host runs no 32-bit programs (/usr/lib/wine/wine cannot start)"
    fi
}

# skip WHY: ends the test as skipped.
skip() {
    echo "SKIP: $*"
    exit "$WINE_SKIP"
}

# Ends the test as skipped where the build's width cannot run here.
wine_check_width() {
    if [ "${WINE_ARCH:-win32}" = win32 ] && ! host_runs_32bit; then
        skip "32-bit Wine: $(no_32bit_reason)"
    fi
}

wine_env() {
    local build=${BUILD_DIR:?BUILD_DIR must name the build tree}
    wine_check_width
    export WINEPREFIX="$build/wineprefix"
    export WINEARCH=${WINE_ARCH:-win32} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME="${WINE_HOME:-$build/winehome}"
    # `wine` (and wine-stable, which winepath and wineboot call) picks the 32-bit loader
    # whenever it is installed; a 64-bit prefix needs the 64-bit one.
    local shims="$build/wine64-bin"
    if [ "$WINEARCH" = win64 ]; then
        export PATH="$shims:$PATH" WINELOADER=/usr/lib/wine/wine64
    fi
    mkdir -p "$HOME"
    # DirectSound needs an ALSA device to open; a null one keeps the saver silent.
    [ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
    (
        flock 9
        if [ "$WINEARCH" = win64 ] && [ ! -x "$shims/wine-stable" ]; then
            mkdir -p "$shims"
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/wine"
            chmod +x "$shims/wine" && cp "$shims/wine" "$shims/wine-stable"
        fi
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
    wine_check_width
    start_xvfb "${1:-${XVFB_SCREEN:-1280x720x24}}" || exit 1
    wine_env
    trap 'wine_stop; stop_xvfb' EXIT
}
